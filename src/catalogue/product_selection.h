// Picking a product copies it into the category's quote row, shows its
// picture, recomputes the quote and, for motherboards and CPUs, tells the
// user about integrated graphics.
#pragma once

#include <string_view>

#include "catalogue/category_table.h"

namespace quotexa {

struct Program;

inline constexpr std::string_view kCpuIntegratedGraphicsNotice =
    "该CPU集成了显卡，只要搭配有显卡接口的主板就可使用。如要更好性能，可再搭配独立显卡！";
inline constexpr std::string_view kBoardIntegratedGraphicsNotice =
    "所选主板集成显卡！不需要独立显卡就可以使用，为了更好性能，您也可以搭配一个独立显卡！";
inline constexpr std::string_view kBoardDisplayConnectorNotice =
    "所选主板有带显卡接口，但没有集成显示核心！需要搭配带显示核心的CPU或者是搭配独立显卡！";
inline constexpr std::string_view kBoardNoGraphicsNotice =
    "所选主板没有集成显卡，需要搭配独立显卡方可使用！";

// A catalogue flag is set only by exactly the text "a".
constexpr bool IsFlagSet(std::string_view cell) {
    return cell == "a";
}

// The motherboard notice for its integrated-graphics and connector flags.
std::string_view MotherboardNotice(std::string_view integratedGraphics,
                                   std::string_view displayConnector);
// The CPU notice for its integrated-graphics flag (empty when not set).
std::string_view CpuNotice(std::string_view integratedGraphics);

// CurrentItemChanged of the category's product list (window-system thread).
void PickProduct(Program& program, ComponentCategory category);

}  // namespace quotexa
