#include "app/Module1.h"

namespace pentavo {

GameOptions Options;
frmMain* MainForm = nullptr;

} // namespace pentavo
