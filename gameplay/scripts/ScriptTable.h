// The script factory's table: which class each script number makes.
#pragma once
#include <cstdint>

namespace Framework
{
class ScriptBase;

// A new script of the class for id, named and started as the table says; null
// for a number that makes no script of its own (0, 7, out of range, or a
// script class this build does not have yet). The caller owns the result.
ScriptBase* MakeScript(int32_t id);

// The factory the registry calls: MakeScript, or a test's own table.
using ScriptMaker = ScriptBase* (*)(int32_t id);
extern ScriptMaker gScriptMaker;
} // namespace Framework
