// The sprite sheets the program's own code names by key: the components'
// default sheets, the tile sets, and what the game's scripts, its frame and
// the editor show. The art list must keep them all: with one deleted (in the
// Art Manager), its picture would be blank in every later run. Code that names
// a new sheet puts its key here too; a test reads the sources for keys given
// as literals where a sheet is named and finds each one in this list.
#pragma once
#include <algorithm>
#include <iterator>
#include <string_view>

namespace Framework
{
inline constexpr std::string_view SheetsNamedInCode[] = {
    // Components' defaults: a Renderer's sheet, a particle's sprite.
    "PlaceHolder1",
    "Cloud",
    // The tile sets, and the editor's collision-kind picker.
    "TilePlatform",
    "TilePlatform2",
    "TilePlatform3",
    "TileCollider",
    // The game's cursor (GameFrame).
    "MouseCursor",
    // The interface (UIscript): the pause title, its quit question and its
    // controls page; the cards of the lose and the win screen.
    "PauseScreenBG",
    "UIAppleConfirmation",
    "UIAppleControls",
    "LoseScreenBG",
    "WinScreenBG",
    // A belt running right, and left (Conveyer); the goal walker once it
    // holds the basket (HumanWin).
    "ConveyerBeltGreen",
    "ConveyerBeltRed",
    "Background_Human_wBasket",
};

inline bool IsSheetNamedInCode(std::string_view key)
{
    return std::find(std::begin(SheetsNamedInCode), std::end(SheetsNamedInCode), key) != std::end(SheetsNamedInCode);
}
} // namespace Framework
