// Building and decoding the configuration image of an N4 collar: what every
// program, read, check, export and import does once.

#include <benchmark/benchmark.h>

#include "app/message_log.h"
#include "image/image_codec.h"
#include "model/record.h"

namespace {

orv::ParameterRecord n4Record() {
    orv::ParameterRecord record;
    orv::resetRecord(record);
    record.text(orv::StringRow::FenmodFwVer) = "N4 040816";
    return record;
}

void BM_BuildAndDecodeN4Image(benchmark::State& state) {
    const orv::ParameterRecord written = n4Record();
    orv::ParameterRecord read = n4Record();
    orv::MessageLog log;
    orv::MemoryImage image;
    for (auto _ : state) {
        // A failed build would time the decoding of an empty image.
        if (orv::buildImage(written, image) != orv::ImageResult::Ok) {
            state.SkipWithError("the N4 image could not be built");
            break;
        }
        benchmark::DoNotOptimize(orv::decodeImage(read, image, {orv::ReadMode::Load, 1, {}}, log));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildAndDecodeN4Image);

void BM_CheckN4Image(benchmark::State& state) {
    orv::ParameterRecord record = n4Record();
    orv::MessageLog log;
    orv::MemoryImage image;
    if (orv::buildImage(record, image) != orv::ImageResult::Ok) {
        state.SkipWithError("the N4 image could not be built");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(orv::decodeImage(record, image, {orv::ReadMode::Check, 1, {}}, log));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CheckN4Image);

}  // namespace

BENCHMARK_MAIN();
