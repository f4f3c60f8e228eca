// Fuzzing the chest checker: whatever the text, it gives findings and never fails.
#include "check/ChestCheck.h"
#include "platform/WorkFolder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const ventrel::WorkFolder nowhere{"/nonexistent-ventrel-fuzz", "/nonexistent-ventrel-fuzz"};
    const ventrel::CheckSource source{"fuzz.dat",
                                      std::string(reinterpret_cast<const char *>(data), size)};
    const ventrel::CheckResult result =
        ventrel::CheckChest(source, nullptr, nowhere, ventrel::CheckOptions{});
    for (const ventrel::Finding &finding : result.findings)
        if (finding.line < 0 || finding.column < 0)
            __builtin_trap();
    return 0;
}
