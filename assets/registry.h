// The asset registry: registered name to the file's bytes. Filled once at
// start-up from the pack embedded in the executable; never changed afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace assets {

using Bytes = std::span<const std::uint8_t>;

// Adds a file under its name; the bytes must outlive the registry.
void Register(std::string_view name, Bytes bytes);

// Registers every embedded file, in the asset table's order; false when the
// embedded pack is malformed (the files before the fault are registered).
[[nodiscard]] bool RegisterEmbeddedAssets();

// The bytes registered under the exact name, or nothing.
std::optional<Bytes> Lookup(std::string_view name);

// Names in registration order.
std::span<const std::string_view> RegisteredNames();

// Empties the registry (tests).
void ClearRegistry();

}  // namespace assets
