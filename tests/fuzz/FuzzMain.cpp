// The libFuzzer entry of one target; TINTSCOPE_FUZZ_TARGET names its
// function (see FuzzTargets.h).
#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TINTSCOPE_FUZZ_TARGET(data, size);
    return 0;
}
