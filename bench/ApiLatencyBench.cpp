// From the moment the virtual instrument has written the end-of-reading
// reply to the moment a client polling the C API sees status bit 1, over
// 200 readings. The client runs no Qt event loop of its own, as a plain C
// program would not.
#include "qlx_dll.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Simulator {
    pid_t pid = -1;
    std::string pty;

    Simulator(const std::string& transcript)
    {
        int out[2];
        if (pipe(out) != 0)
            return;
        pid = fork();
        if (pid == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            execl(QLX_SIM_PATH, QLX_SIM_PATH, "--transcript", transcript.c_str(), "--start-delay", "5",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        char c = 0;
        while (read(out[0], &c, 1) == 1 && c != '\n')
            pty.push_back(c);
        close(out[0]);
    }
    ~Simulator()
    {
        if (pid > 0) {
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
        }
    }
};

void writeRecord(const std::string& folder, const std::string& port)
{
    std::string record(1080, '\0');
    record[12] = 3;
    record.replace(478, port.size(), port);
    std::ofstream(folder + "/QLX_DLL.CFG", std::ios::binary) << record;
}

// The monotonic time (ns) of each burst that carried an end-of-reading reply.
std::vector<double> endOfReadingWrites(const std::string& transcript)
{
    std::ifstream in(transcript);
    std::string line;
    double epochNs = 0;
    std::vector<double> writes;
    while (std::getline(in, line)) {
        const auto clock = line.find("monotonic clock at 0: ");
        if (clock != std::string::npos)
            epochNs = std::stod(line.substr(clock + 22));
        if (line.find(" out ") != std::string::npos && line.find("S#") != std::string::npos)
            writes.push_back(epochNs + std::stod(line) * 1e9);
    }
    return writes;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

void BM_ReadyBitLatency(benchmark::State& state)
{
    char folderTemplate[] = "/tmp/qlx-latency-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    const std::string transcript = folder + "/transcript.txt";
    Simulator sim(transcript);
    if (sim.pty.empty()) {
        state.SkipWithError("qlx-sim did not start");
        return;
    }
    writeRecord(folder, sim.pty);
    setenv("QLX_SERIAL_PORTS", sim.pty.c_str(), 1);
    setenv("QLX_MESSAGE_LOG", (folder + "/messages.jsonl").c_str(), 1);

    const int readings = int(state.range(0));
    std::vector<double> seen;
    for (auto _ : state) {
        QLXInit2(folder.c_str());
        const auto deadline = Clock::now() + std::chrono::seconds(20);
        while (QLXBitStatus(7) != 1 && Clock::now() < deadline)
            usleep(1000);
        for (int i = 0; i < readings; ++i) {
            QLXDoFirmnessReading();
            while (QLXBitStatus(1) != 1 && Clock::now() < deadline + std::chrono::seconds(60)) {
            }
            seen.push_back(double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                Clock::now().time_since_epoch()).count()));
            QLXReadMaxFirmness();
        }
        QLXQuit();
    }
    const std::vector<double> written = endOfReadingWrites(transcript);
    if (written.size() != seen.size()) {
        state.SkipWithError("the transcript and the client disagree on the number of readings");
        return;
    }
    std::vector<double> latencyMs;
    for (std::size_t i = 0; i < seen.size(); ++i)
        latencyMs.push_back((seen[i] - written[i]) / 1e6);
    state.counters["readings"] = double(latencyMs.size());
    state.counters["median_ms"] = percentile(latencyMs, 0.5);
    state.counters["p99_ms"] = percentile(latencyMs, 0.99);
    state.counters["max_ms"] = *std::max_element(latencyMs.begin(), latencyMs.end());
}
BENCHMARK(BM_ReadyBitLatency)->Arg(200)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
