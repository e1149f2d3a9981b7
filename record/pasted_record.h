// A record pasted as text: KIF, KI2 or CSA as their files hold it, an SFEN
// line, or a USI `position` line ("position startpos moves 7g7f …"), the
// kind recognised from the text itself.
#pragma once

#include <string>

#include "record/kif_read.h"

namespace vudeve {

// Reads and checks the whole text: "" or the message that says why it
// cannot be read (naming the line, as for a file). The record is not to be
// used when it cannot.
std::string readPastedRecord(const std::string& text, KifRecord& record);

}  // namespace vudeve
