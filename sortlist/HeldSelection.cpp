// The list view's reading of a click or a key, as it bears on a selection of every row.
#include "HeldSelection.h"

namespace listedit::sortlist {

HeldStep StepFor(const InputFacts& f) {
    switch (f.input) {
    case ListInput::LeftDown:
        if (f.bOnCheckBox) return HeldStep::Keep;
        // Off the rows a plain press deselects all; with Ctrl or Shift it does nothing.
        if (!f.bOnRow) return f.bCtrl || f.bShift ? HeldStep::Keep : HeldStep::Clear;
        // Ctrl toggles the row (and Ctrl+Shift adds a range to the rest); Shift selects the range
        // from the anchor only; a plain press on a selected row waits for the release.
        if (f.bCtrl) return HeldStep::HandOver;
        return f.bShift ? HeldStep::Clear : HeldStep::Keep;
    case ListInput::LeftUp: // the release on the row pressed selects that row alone
        return f.bOnPressed ? HeldStep::Clear : HeldStep::Keep;
    case ListInput::RightDown: // on a selected row it only moves the focus; off the rows it deselects all
        return f.bOnRow ? HeldStep::Keep : HeldStep::Clear;
    case ListInput::Move:
        if (!f.bMoves) return HeldStep::Keep;
        // Ctrl moves the focus alone, and Ctrl+Space toggles the focused row.
        if (f.bCtrl && !f.bShift) return f.bSpace ? HeldStep::HandOver : HeldStep::Keep;
        return HeldStep::Clear;
    case ListInput::Page:
    case ListInput::Typed:
        return HeldStep::HandOver;
    case ListInput::Other:
        break;
    }
    return HeldStep::Keep;
}

} // namespace listedit::sortlist
