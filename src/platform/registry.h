#pragma once
// Reading text values of the registry (the launcher never writes to it).

#include <optional>
#include <string>

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };

// The value's text when it is stored as plain text or as text with
// unexpanded environment placeholders; nothing for a missing key or value or
// another type. An empty name reads the key's default value.
std::optional<std::string> ReadRegistryText(RegistryRoot root, const std::string& subkey, const std::string& name);

}  // namespace platform
