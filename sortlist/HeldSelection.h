// What the list view's own handling of a click or a key does to "every row selected" while a
// virtual list keeps that selection itself (the list view paints it through its callback mask and
// holds none of its own): nothing, every row deselected first, or the list view needs the selection
// in its own keeping before it acts.
#pragma once

namespace listedit::sortlist {

enum class HeldStep {
    Keep,    // the list view leaves the selection as it is
    Clear,   // the list view deselects every row first (a plain click, a move of the focus)
    HandOver // the list view changes single rows of the selection (Ctrl+click, Ctrl+Space, typing)
};

enum class ListInput {
    LeftDown,  // left button pressed
    LeftUp,    // left button released
    RightDown, // right button pressed
    Move,      // a key that moves the focus (arrows, Home, End) or Space on the focused row
    Page,      // Page Up, Page Down
    Typed,     // a printable character: the list view finds a row by it and selects it
    Other      // any other button or key: the list view leaves the selection alone
};

struct InputFacts {
    ListInput input = ListInput::Other;
    bool bCtrl = false, bShift = false;
    bool bOnRow = false;      // a button: over a row
    bool bOnCheckBox = false; // a button: over a row's check box, which toggles and selects nothing
    bool bOnPressed = false;  // the left button released over the row it was pressed on while held
    bool bMoves = false;      // a key: the list view will go to another row (or Space on the focused one)
    bool bSpace = false;      // the key is Space
};

HeldStep StepFor(const InputFacts& facts);

} // namespace listedit::sortlist
