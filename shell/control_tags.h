#pragma once
// The German captions the window's captioned controls carry as their tags.
// The language switch sets every caption from its tag, so these texts never
// change at run time; an empty tag means a workflow sets the caption.
#include <QString>

namespace kav::shell {

QString frameTag(int index);    // frmAlle 0-10
QString buttonTag(int index);   // btnAlle 0-20
QString labelTag(int index);    // labAlle 0-58
QString checkBoxTag(int index); // chkAlle 0-1

} // namespace kav::shell
