// Layout and painting entry points of the element kinds. The engine itself draws nothing: the
// pane painter fills these in with a drawing surface; until then they keep the class hierarchy
// complete. PaneToggleElement's Draw is final as it is: it draws nothing, leaves the pen and
// does not draw the rest of its chain.
#include "char_element.h"
#include "element.h"
#include "enclosure.h"
#include "function_element.h"
#include "group_element.h"
#include "pane_elements.h"
#include "structure_elements.h"
#include "text_element.h"

namespace zx::equation {

void EquationElement::Draw(DrawSurface&, Point&) {}
void EquationElement::Measure(double&, Point&, Point&, Point&) {}
void EquationElement::DrawAttachments(DrawSurface&) {}

void Enclosure::Draw(DrawSurface&, GroupElement&, Point&) {}
void Enclosure::Measure(GroupElement&, double&, Point&, Point&, Point&) {}

void CharElement::Draw(DrawSurface&, Point&) {}
void CharElement::Measure(double&, Point&, Point&, Point&) {}
void ArgumentNameElement::Draw(DrawSurface&, Point&) {}
void GroupElement::Draw(DrawSurface&, Point&) {}
void GroupElement::Measure(double&, Point&, Point&, Point&) {}
void PlaceholderElement::Draw(DrawSurface&, Point&) {}
void PlaceholderElement::Measure(double&, Point&, Point&, Point&) {}
void DeltaElement::Draw(DrawSurface&, Point&) {}
void DeltaElement::Measure(double&, Point&, Point&, Point&) {}
void FractionElement::Draw(DrawSurface&, Point&) {}
void FractionElement::Measure(double&, Point&, Point&, Point&) {}
void DigitElement::Draw(DrawSurface&, Point&) {}
void DigitElement::Measure(double&, Point&, Point&, Point&) {}
void FunctionElement::Draw(DrawSurface&, Point&) {}
void FunctionElement::Measure(double&, Point&, Point&, Point&) {}
void TextElement::Draw(DrawSurface&, Point&) {}
void TextElement::Measure(double&, Point&, Point&, Point&) {}
void UnitTextElement::Draw(DrawSurface&, Point&) {}
void VariableButtonElement::Draw(DrawSurface&, Point&) {}
void VariableButtonElement::Measure(double&, Point&, Point&, Point&) {}
void PaneToggleElement::Draw(DrawSurface&, Point&) {}
void PaneToggleElement::Measure(double&, Point&, Point&, Point&) {}

} // namespace zx::equation
