// The twin's one import: the game's state in words and what to say, both Windows-1252.
mergeInto(LibraryManager.library, {
  dyxel_access: function (state, said) {
    // A fault of the twin must never stop the game; its first look waits for the first frame.
    const now = Dyxel.decode(state, -1), words = Dyxel.decode(said, -1);
    Dyxel.later(() => {
      try {
        Dyxel.a11y.update(now, words);
      } catch (e) {
        console.error(e);
      }
    });
  },
});
