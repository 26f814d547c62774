#pragma once

namespace wm4 {

// Which worksheet a personal-identifier or distributee dialog serves, and so
// which detail record it reads and writes.
enum class DetailMode { Asset, Expense };

}  // namespace wm4
