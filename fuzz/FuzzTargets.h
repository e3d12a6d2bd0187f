#pragma once
// Entry points shared by the libFuzzer programs and the regression test that replays their
// findings and seeds. Each takes arbitrary bytes and must neither crash nor hang.
#include <cstddef>
#include <cstdint>

namespace FuzzTargets {

int Ini(const uint8_t* data, size_t size);         // config.ini reader and writer
int Dialect(const uint8_t* data, size_t size);     // statement dialect rewriter and call reader
int Template(const uint8_t* data, size_t size);    // report template parser
int Expression(const uint8_t* data, size_t size);  // report expression parser and evaluator
int Script(const uint8_t* data, size_t size);      // update-script decoding and batch splitting

}  // namespace FuzzTargets
