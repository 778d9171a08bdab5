#include "gameplay/scripts/UIscript.h"

namespace Framework
{
bool UIscript::sWon = false;
bool UIscript::sLost = false;
} // namespace Framework
