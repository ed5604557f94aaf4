// Picking a platform shows its description, takes the motherboard and the
// CPU out of the quote, loads the motherboard brands and the platform's CPUs,
// recomputes the quote and unlocks the motherboard and CPU pages.
#pragma once

namespace quotexa {

struct Program;

// CurrentItemChanged of the platform list (window-system thread).
void PickPlatform(Program& program);

// The worker PickPlatform starts.
void LoadPlatformParts(Program& program);

}  // namespace quotexa
