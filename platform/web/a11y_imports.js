// The twin's one import: the game's state in words and what to say, both Windows-1252.
mergeInto(LibraryManager.library, {
  dyxel_access: function (state, said) {
    // A fault of the twin must never stop the game.
    try {
      Dyxel.a11y.update(Dyxel.decode(state, -1), Dyxel.decode(said, -1));
    } catch (e) {
      console.error(e);
    }
  },
});
