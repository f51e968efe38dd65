// The variable-pane family: the buttons of a definition line's variable pane ("IVAR"/"UNCH")
// and the element that opens and closes the pane. They are not editable: keys are ignored while
// the caret stands on one of them.
#pragma once

#include <string>

#include "element.h"

namespace zx::equation {

struct ButtonSize {
    int width = 0;
    int height = 0;
};

// Bitmap sizes of the four button pictures, published by the sprite when it loads them. A
// button's variable index i uses entry i - 1; indices outside 1..4 get an empty size.
ButtonSize ButtonBitmapSize(int variableIndex);
void SetButtonBitmapSize(int pictureIndex, ButtonSize size);

class PaneElement : public EquationElement {
public:
    // Changes the variable pane this element stands in (through the context's pane hooks) and
    // returns an element the caller must delete (after clearing every reference to it), or null.
    virtual EquationElement* Activate(EquationContext& ctx) = 0;

protected:
    PaneElement(char tag, ElementKind k);
};

class VariableButtonElement : public PaneElement {
public:
    VariableButtonElement(int variableIndex, int state);

    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    double Distance(Point p) const override;
    bool ContainsDevicePoint(int px, int py) const override;
    bool ContainsPoint(Point p) const override;
    // "IVAR" for state 1, "UNCH" for state 0, nothing otherwise; never continues the chain.
    void WriteText(std::string& text) const override;
    EquationElement* Activate(EquationContext& ctx) override;

    std::int32_t variableIndex = 0;
    std::int32_t state = 0;
    ButtonSize bitmapSize;
};

class PaneToggleElement : public PaneElement {
public:
    PaneToggleElement();
    // Draws nothing, leaves the pen, and does not draw the rest of its chain.
    void Draw(DrawSurface& dc, Point& pen) override;
    EquationElement* Clone() const override;
    void Measure(double& height, Point& maxCorner, Point& minCorner, Point& pen) override;
    EquationElement* Activate(EquationContext& ctx) override;
};

} // namespace zx::equation
