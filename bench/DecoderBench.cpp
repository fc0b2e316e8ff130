// A complete 4000-sample reading as the serial port delivers it, in bursts of
// 1 to 64 bytes, until the curve is ready.
#include "driver/protocol/TQLX32.h"
#include "driver/ui/TForm2.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

} // namespace

void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {
using namespace qlx::driver;

class BurstLink final : public ISerialLink {
public:
    QByteArray input;
    qsizetype pos = 0;
    QStringList systemPorts() const override { return {"ttyBENCH"}; }
    bool open(const QString&) override { return true; }
    void close() override {}
    bool isOpen() const override { return true; }
    void write(const QByteArray&) override {}
    qint64 read(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, input.size() - pos);
        std::memcpy(data, input.constData() + pos, std::size_t(n));
        pos += n;
        return n;
    }
    void discardInput() override {}
};

class NoHid final : public IHidLink {
public:
    bool findInstrument() override { return false; }
    bool hasDevice() const override { return false; }
    HidCapabilities capabilities() const override { return {}; }
    void sendString(const QByteArray&) override {}
};

QByteArray readingBytes()
{
    QByteArray bytes = "i#";
    QRandomGenerator rng(7);
    for (int i = 0; i < TQLX32::MaxSamples; ++i) {
        const int force = 1000 + int(rng.bounded(9000));
        bytes += QByteArray::number(force) + ',' + QByteArray::number(i * 5) + "l#";
        if (i % 200 == 0)
            bytes += "P@#";
    }
    bytes += "40S#";
    return bytes;
}

std::vector<int> burstSizes(qsizetype total)
{
    std::vector<int> sizes;
    QRandomGenerator rng(11);
    for (qsizetype done = 0; done < total;) {
        const int n = 1 + int(rng.bounded(64));
        sizes.push_back(n);
        done += n;
    }
    return sizes;
}

struct Rig {
    TForm2 graph;
    BurstLink* link = nullptr;
    std::unique_ptr<TQLX32> qlx;
    Rig()
    {
        auto l = std::make_unique<BurstLink>();
        link = l.get();
        qlx = std::make_unique<TQLX32>(QString(), &graph, Transports{std::move(l), std::make_unique<NoHid>()});
        qlx->stepratio.text = "2000";
        qlx->massratio.text = "1000";
    }
    // Hands the next `n` bytes to the port and lets the driver read them.
    void burst(int n)
    {
        link->input.truncate(0);
        link->pos = 0;
        link->input.append(source->constData() + offset, std::min<qsizetype>(n, source->size() - offset));
        offset += link->input.size();
        qlx->ComPort1RxChar();
    }
    const QByteArray* source = nullptr;
    qsizetype offset = 0;
};

void BM_DecodeReading(benchmark::State& state)
{
    const QByteArray bytes = readingBytes();
    const std::vector<int> bursts = burstSizes(bytes.size());
    Rig rig;
    rig.source = &bytes;
    rig.link->input.reserve(128);
    long allocated = 0;
    double lastByteToReady = 0.0;
    for (auto _ : state) {
        rig.offset = 0;
        rig.qlx->FFirmnessReady = false;
        const long before = allocations.load();
        for (std::size_t b = 0; b + 1 < bursts.size(); ++b)
            rig.burst(bursts[b]);
        const auto start = std::chrono::steady_clock::now();
        rig.burst(bursts.back());
        lastByteToReady += std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
        allocated += allocations.load() - before;
        if (!rig.qlx->FFirmnessReady)
            state.SkipWithError("the curve did not become ready");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
    state.counters["allocs_per_sample"] =
        double(allocated) / double(state.iterations()) / TQLX32::MaxSamples;
    state.counters["last_burst_to_ready_us"] = lastByteToReady / double(state.iterations());
    state.counters["line_time_s"] = double(bytes.size()) * 10.0 / 9600.0; // 10 bits a byte at 9600 baud
}
BENCHMARK(BM_DecodeReading)->Unit(benchmark::kMillisecond);

// The end of reading alone: 4000 samples stored, the "S" reply arrives.
void BM_EndOfReading(benchmark::State& state)
{
    const QByteArray samples = readingBytes().chopped(4);
    const QByteArray end = "40S#";
    Rig rig;
    for (auto _ : state) {
        state.PauseTiming();
        rig.source = &samples;
        rig.offset = 0;
        rig.burst(int(samples.size()));
        rig.source = &end;
        rig.offset = 0;
        state.ResumeTiming();
        rig.burst(int(end.size()));
    }
}
BENCHMARK(BM_EndOfReading)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
