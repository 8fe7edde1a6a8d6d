// The pen, brush and text colour of the surfaces that keep them as plain data.
#include "platform/strokes.h"

void SelectPen(Surface* s, const Pen& pen) {
    if (PaintState* state = PaintStateOf(s))
        state->pen = pen;
}
void SelectDefaultPen(Surface* s) {
    SelectPen(s, PaintState{}.pen);
}
void SelectBrush(Surface* s, StockBrush brush) {
    if (PaintState* state = PaintStateOf(s))
        state->brush = brush;
}
void SetTextColour(Surface* s, Colour colour) {
    if (PaintState* state = PaintStateOf(s))
        state->textColour = colour;
}
