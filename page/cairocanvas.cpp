// The drawing layer on cairo, with Pango for the texts that need it.
#include "page/cairocanvas.h"

#include <fontconfig/fontconfig.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "page/filestyle.h"

namespace {

// The canvases' one font map, made for the first text that needs Pango.
PangoFontMap* fontmap = nullptr;

// The advances of the page family's glyphs as cairo's own text drawing gives
// them on the surface (hinted, whole pixels on an image), without kerning.
// Pango takes its advances from the font's outlines and kerns them, which
// puts DejaVu Sans's letters up to a pixel closer; this keeps the page's
// Latin letters where cairo puts them. Other fonts' runs (the scripts the
// page family lacks) keep the advances and offsets of their shaping, and so
// does every glyph that shaping left without an advance (a mark on its base).
void hintedadvances(PangoLayoutLine* line) {
  for (GSList* r = line->runs; r; r = r->next) {
    auto* run = static_cast<PangoGlyphItem*>(r->data);
    PangoFontDescription* d = pango_font_describe(run->item->analysis.font);
    bool page = g_strcmp0(pango_font_description_get_family(d), pagefamily) == 0;
    pango_font_description_free(d);
    if (!page) continue;
    cairo_scaled_font_t* sf =
        pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(run->item->analysis.font));
    if (!sf) continue;
    PangoGlyphString* gs = run->glyphs;
    for (int i = 0; i < gs->num_glyphs; ++i) {
      PangoGlyphInfo& g = gs->glyphs[i];
      if (g.geometry.width == 0 || g.glyph & PANGO_GLYPH_UNKNOWN_FLAG) continue;
      cairo_glyph_t cg{g.glyph, 0, 0};
      cairo_text_extents_t e;
      cairo_scaled_font_glyph_extents(sf, &cg, 1, &e);
      g.geometry.width = static_cast<int>(e.x_advance * PANGO_SCALE);
    }
  }
}

bool isascii(const std::string& s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

cairocanvas::cairocanvas(cairo_t* cr) : cr(cr) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  snap = cairo_surface_get_type(cairo_get_target(cr)) == CAIRO_SURFACE_TYPE_IMAGE &&
         m.xx != std::floor(m.xx);
  cairo_set_line_width(cr, 1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_source_rgb(cr, 0, 0, 0);
}

cairocanvas::~cairocanvas() {
  if (font) pango_font_description_free(font);
  if (layout) g_object_unref(layout);
}

// Everything is black: the page's one colour.
void cairocanvas::setcolor(int) {}

// The page's one family; the size is in pixels, as the toolkit's font sizes
// are.
void cairocanvas::setfont(int, int size) {
  cairo_select_font_face(cr, pagefamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  this->size = size;
  if (layout) {
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
  }
}

// Pixel (x, y) is the unit square from (x, y) to (x + 1, y + 1). A stroke one
// unit wide between the pixels' centres, with square ends half a unit long,
// covers pixels x0..x1 of a row or column exactly, as the toolkit's line
// does; at scale K it covers K whole device pixels across.
//
// At a scale that is not whole (1.5), a page pixel is not a whole number of
// the image's pixels, and such a stroke would blur. There page pixel p
// starts at image pixel floor(K p + 1/2), and every line is drawn from
// there, floor(K + 1/2) image pixels wide: sharp, of one width, and meeting
// the lines that it meets at scale 1.
void cairocanvas::drawline(int x0, int y0, int x1, int y1) {
  if (!snap) {
    cairo_move_to(cr, x0 + 0.5, y0 + 0.5);
    cairo_line_to(cr, x1 + 0.5, y1 + 0.5);
    cairo_stroke(cr);
    return;
  }
  double ax = x0, ay = y0, bx = x1, by = y1, w = 1, h = 0;
  cairo_user_to_device(cr, &ax, &ay);
  cairo_user_to_device(cr, &bx, &by);
  cairo_user_to_device_distance(cr, &w, &h);
  w = std::floor(w + 0.5);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_line_width(cr, w);
  cairo_move_to(cr, std::floor(ax + 0.5) + w / 2, std::floor(ay + 0.5) + w / 2);
  cairo_line_to(cr, std::floor(bx + 0.5) + w / 2, std::floor(by + 0.5) + w / 2);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// cairo and Pango take only valid UTF-8, so the text is converted first.
// ASCII needs no shaping and no other font than the page family's, so cairo
// draws it directly, where Pango would put it and at a fraction of the cost
// (most of the page's texts are ASCII). Any other text is Pango's: the
// layout's one line is drawn with its baseline's left end at (x, y).
void cairocanvas::drawtext(const char* text, int x, int y) {
  std::string t = drawntext(text);
  cairo_move_to(cr, x, y);
  if (isascii(t)) {
    cairo_show_text(cr, t.c_str());
    return;
  }
  if (!layout) makelayout();
  pango_layout_set_text(layout, t.data(), static_cast<int>(t.size()));
  PangoLayoutLine* line = pango_layout_get_line(layout, 0);
  hintedadvances(line);
  pango_cairo_show_layout_line(cr, line);
}

// The layout takes the context's transformation and its surface's font
// options as they are now.
void cairocanvas::makelayout() {
  if (!fontmap) fontmap = pango_cairo_font_map_new();
  PangoContext* pc = pango_font_map_create_context(fontmap);
  pango_cairo_update_context(cr, pc);
  // Glyphs on whole pixels on an image, anywhere in a PDF, as cairo's own
  // text drawing puts them on each surface.
  bool image = cairo_surface_get_type(cairo_get_target(cr)) == CAIRO_SURFACE_TYPE_IMAGE;
  pango_context_set_round_glyph_positions(pc, image);
  layout = pango_layout_new(pc);
  g_object_unref(pc);
  // A line or paragraph separator in a name is drawn, not obeyed: every
  // text is one line.
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  font = pango_font_description_new();
  pango_font_description_set_family_static(font, pagefamily);
  pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
  pango_layout_set_font_description(layout, font);
}

// Pango's font map lets go of its fonts only when shut down first: some are
// held by its font matching, which goes on in a thread of its own, and
// cairo's reset would find them still alive.
void cairofontsend() {
  if (fontmap) {
    if (PANGO_IS_FC_FONT_MAP(fontmap)) pango_fc_font_map_shutdown(PANGO_FC_FONT_MAP(fontmap));
    g_object_unref(fontmap);
    fontmap = nullptr;
  }
  cairo_debug_reset_static_data();
  FcFini();
}
