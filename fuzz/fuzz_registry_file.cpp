// Feeds arbitrary bytes to the registry file reader. Besides never crashing, whatever it
// reads must survive being written and read again unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryStore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* text = reinterpret_cast<const char*>(data);
  registry::ParseForTest(text, size);
  registry::internal::Key first;
  if (!registry::internal::ParseText(std::string_view(text, size), first).isRegistryFile) return 0;
  const std::string written = registry::internal::SerializeText(first);
  registry::internal::Key second;
  const registry::internal::ParseResult again = registry::internal::ParseText(written, second);
  if (again.badLines != 0 || registry::internal::SerializeText(second) != written) std::abort();
  return 0;
}
