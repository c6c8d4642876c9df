// The edit controls' page: the numeric edits above the masked edits.
#include "DemoPanel.h"

namespace {
const DemoPageRegistrar kPage{{10, L"Edit", L"edit", {&MakeNumEditPanel, &MakeMaskEditPanel}}};
} // namespace
