// GameLogic's side of the game settings file and the level map.
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"

namespace Framework
{
void GameLogic::LoadSettings() { ReadGameSettings(gGameSettingsPath, mUnlockedCount, mUnlockedLevels); }

void GameLogic::SaveSettings() { WriteGameSettings(gGameSettingsPath, mUnlockedCount, mUnlockedLevels); }

void GameLogic::SetLevelUnlocked(bool unlocked) { mUnlockedLevels[mState.GetCurrentLevel()] = unlocked; }
} // namespace Framework
