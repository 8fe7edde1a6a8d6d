// The first text costs the ui thread some 20-35 ms: fontconfig reads its configuration and the
// fonts' caches, then pango finds the font, opens it and shapes with it. A thread does that
// while GTK loads its theme, in a font map of its own that the ui thread then takes as its
// default (pango keeps one default map per thread), so the first frame no longer waits for it.
#include "platform/wx/draw.h"
#include <future>
#include <pango/pangocairo.h>

namespace {

std::future<PangoFontMap*> warming;

PangoFontMap* WarmFontMap() {
    PangoFontMap* map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    PangoLayout* layout = pango_layout_new(context);
    // The toolkit's own default; a desktop that sets another font still finds fontconfig ready.
    PangoFontDescription* font = pango_font_description_from_string("Sans 10");
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, "AaBbÅåÄäÖö 0123456789", -1);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    pango_font_description_free(font);
    g_object_unref(layout);
    g_object_unref(context);
    return map;
}

} // namespace

void StartWarmingFonts() {
    if (!warming.valid())
        warming = std::async(std::launch::async, WarmFontMap);
}

void UseWarmFonts() {
    if (!warming.valid())
        return;
    PangoFontMap* map = warming.get();
    pango_cairo_font_map_set_default(PANGO_CAIRO_FONT_MAP(map));
    g_object_unref(map);
}
