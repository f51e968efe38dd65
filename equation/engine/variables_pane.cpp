#include "variables_pane.h"

#include "elements.h"
#include "variables.h"

namespace zx::equation {

namespace {

// Takes the variable buttons out of line, leaving anything else in place: a
// definition typed into the line survives the pane being opened again.
void RemovePaneElements(EquationContext& ctx, GroupElement& line) {
    EquationElement* e = line.FirstChild()->next();
    while (e != nullptr) {
        EquationElement* following = e->next();
        if (e->kind == kVariableButtonKind) {
            e->prev()->link->next = following;
            if (following != nullptr) {
                following->link->prev = e->prev();
            }
            e->link->next = nullptr;
            e->link->prev = nullptr;
            ctx.DestroySubtree(e);
        }
        e = following;
    }
}

} // namespace

void VariablePaneHooks::MakeIndependent(EquationContext& ctx, const std::string& name) {
    if (ctx.variableTable.Find(name) < 0) {
        ctx.variableTable.Append(name);
    }
    RefreshVariables(ctx);
}

void VariablePaneHooks::FillPane(EquationContext&, GroupElement& paneLine) {
    EquationElement* placeholder = paneLine.FirstChild();
    auto* independent = new VariableButtonElement(kIndependentButtonIndex, 1);
    auto* keep = new VariableButtonElement(kKeepButtonIndex, 0);
    placeholder->InsertAfter(independent);
    placeholder->InsertAfter(keep); // "UNCH" first, then "IVAR"
    paneLine.boxValid = 0;
}

void VariablePaneHooks::ResetPane(EquationContext& ctx, GroupElement& paneLine) {
    PaneEnclosure* pane = PaneOf(paneLine);
    if (pane == nullptr) {
        return;
    }
    pane->open = 0;
    OpenPane(ctx, paneLine);
}

GroupElement* MakeDefinitionLine(EquationContext& ctx, const std::string& name, bool withPane) {
    if (ctx.paneHooks == nullptr) {
        ctx.paneHooks = ctx.variables.paneHooks.get(); // the buttons of this line call them
    }
    if (!withPane) {
        return new GroupElement();
    }
    auto* line = new GroupElement(new PaneEnclosure(name), 1);
    line->editable = 0;
    line->FirstChild()->editable = 0;
    ctx.variables.paneHooks->FillPane(ctx, *line);
    return line;
}

void OpenPane(EquationContext& ctx, GroupElement& line) {
    PaneEnclosure* pane = PaneOf(line);
    if (pane == nullptr || pane->open != 0) {
        return;
    }
    RemovePaneElements(ctx, line);
    pane->open = 1;
    pane->secondFlag = 1;
    line.FirstChild()->editable = 0;
    ctx.variables.paneHooks->FillPane(ctx, line);
}

EquationElement* FindVariableButton(GroupElement& line, int n) {
    for (EquationElement* e = line.FirstChild(); e != nullptr; e = e->next()) {
        if (e->kind == kVariableButtonKind && n-- == 0) {
            return e;
        }
    }
    return nullptr;
}

} // namespace zx::equation
