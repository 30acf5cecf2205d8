// The simulated line on a pseudo-terminal, driven through the POSIX port and the driver:
// - with line-rate pacing, block writes take at most 2 % longer than their characters need on
//   the line (counter "verhaeltnis" <= 1.02): the full curve area (61440 bytes from 4096) and a
//   characteristic slot (8224 bytes in 64-byte aligned chunks) at 115200 baud, and a shorter
//   block at the box's 9600 baud; counter "ueber_rahmen_us" is the time per frame beyond the
//   line time;
// - without pacing, the software's own time per frame.
// The machine's load shows in single runs: run with --benchmark_repetitions and read the medians.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/stummedialoge.h"
#include "characteristic/kennlinientransfer.h"
#include "device/geraetezugang.h"
#include "device/novhln1.h"
#include "platform/posix/posixport.h"
#include "device/speichertransfer.h"
#include "platform/posix/ptyserver.h"

namespace {

constexpr int kPort = 1;
constexpr double kHoechstesVerhaeltnis = 1.02;

// The simulator serving in a thread of this process, and the driver's port to it, opened at the
// emulated rate (baud 0: no pacing; the port then opens at 115200).
class Strecke {
 public:
  explicit Strecke(int baud) : fabrik_(pty_.Pfad()), ports_(fabrik_) {
    leitung_.GeraetHinzufuegen('1');
    if (pipe(stopp_) != 0 || !pty_.Offen()) return;
    dienst_ = std::thread([this, baud] { pty_.Laufen(leitung_, baud, stopp_[0]); });
    // One exchange before the measurement, so that starting the serving thread is not counted.
    std::string kennung;
    bereit_ = NOVHLN1_Open(ports_, kPort, baud > 0 ? baud : 115200) == 0 &&
              NOVHLN1_Timeout(ports_, kPort, 2.0) == 0 &&
              NOVHLN1_IDLesen(ports_, kPort, '1', kennung) == 0;
  }
  ~Strecke() {
    NOVHLN1_Close(ports_, kPort);
    if (dienst_.joinable()) {
      [[maybe_unused]] const ssize_t n = write(stopp_[1], "s", 1);
      dienst_.join();
    }
    close(stopp_[0]);
    close(stopp_[1]);
  }
  bool bereit() const { return bereit_; }
  ComPorts& ports() { return ports_; }

 private:
  SimLeitung leitung_;
  PtyServer pty_;
  PosixPfadfabrik fabrik_;
  ComPorts ports_;
  int stopp_[2] = {-1, -1};
  std::thread dienst_;
  bool bereit_ = false;
};

// The simulated box at address 1 on the benchmark's port, as the panels reach it.
class BenchZugang : public Geraetezugang {
 public:
  explicit BenchZugang(ComPorts& ports) : ports_(ports) {}
  ComPorts& Ports() override { return ports_; }
  int OffenerComPort() const override { return kPort; }
  char Adresse() const override { return '1'; }

 private:
  ComPorts& ports_;
};

using Blockschreiber = int (*)(ComPorts&, Dialoge&, const std::vector<uint8_t>&, int, int);

int KurvenblockSchreiben(ComPorts& ports, Dialoge& dialoge, const std::vector<uint8_t>& abbild,
                         int start, int anzahl) {
  return KurvenBlockSchreiben(dialoge, ports, kPort, '1', abbild, start, anzahl, 4);
}

int KennlinienslotSchreiben(ComPorts& ports, Dialoge& dialoge, const std::vector<uint8_t>& abbild,
                            int start, int anzahl) {
  BenchZugang zugang(ports);
  return KennlBlockSchreiben(zugang, dialoge, std::span(abbild).first(anzahl), start, true);
}

struct Block {
  int baud;
  int start;
  int anzahl;
  Blockschreiber schreiben = KurvenblockSchreiben;
  int modusRahmen = 0;  // mode writes after the block ("#1M1C10\r" and the like, each with ACK)
};

// The frames of a block write: chunks of at most 64 bytes that end at 64-byte boundaries, which
// is also how the curve area (from 4096) and slot 1 (from 0) are cut.
int Rahmen(const Block& b) {
  return (b.anzahl + kBlockGroesse - 1) / kBlockGroesse;
}

// Characters of the write requests and their acknowledges: a frame with two digits per byte,
// then ACK.
long ZeichenAufDerLeitung(const Block& b) {
  return static_cast<long>(Rahmen(b)) * (19 + 1) + 2L * b.anzahl + b.modusRahmen * (8 + 1);
}

void BlockMitLeitungstakt(benchmark::State& state, Block b) {
  Strecke strecke(b.baud);
  if (!strecke.bereit()) return state.SkipWithError("kein Pseudo-Terminal");
  StummeDialoge dialoge;
  std::vector<uint8_t> abbild(65536);
  for (size_t i = 0; i < abbild.size(); ++i) abbild[i] = static_cast<uint8_t>(i * 13);
  // 7 data bits, odd parity, 1 stop bit: 10 bits per character, as the simulator paces.
  const double leitungszeit = ZeichenAufDerLeitung(b) * 10.0 / b.baud;
  double gemessen = 0;
  for (auto _ : state) {
    const auto anfang = std::chrono::steady_clock::now();
    const int code = b.schreiben(strecke.ports(), dialoge, abbild, b.start, b.anzahl);
    gemessen = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    if (code != 0) return state.SkipWithError("Schreiben fehlgeschlagen");
  }
  const double verhaeltnis = gemessen / leitungszeit;
  state.counters["leitungszeit_s"] = leitungszeit;
  state.counters["verhaeltnis"] = verhaeltnis;
  state.counters["ueber_rahmen_us"] = (gemessen - leitungszeit) / Rahmen(b) * 1e6;
  char text[48];
  std::snprintf(text, sizeof text, "%s (%.3f %s %.2f)",
                verhaeltnis <= kHoechstesVerhaeltnis ? "ok" : "ZU LANGSAM", verhaeltnis,
                verhaeltnis <= kHoechstesVerhaeltnis ? "<=" : ">", kHoechstesVerhaeltnis);
  state.SetLabel(text);
}
BENCHMARK_CAPTURE(BlockMitLeitungstakt, kurvenbereich_115200, Block{115200, 4096, 61440})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
// A characteristic slot's image written by the characteristic transfer (slot 1): aligned chunks,
// then mode bit 4 cleared and bit 2 set.
BENCHMARK_CAPTURE(BlockMitLeitungstakt, kennlinienslot_115200,
                  Block{115200, 0, 8224, KennlinienslotSchreiben, 2})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
// 32 frames at the box's rate: about 5 s.
BENCHMARK_CAPTURE(BlockMitLeitungstakt, kurvenblock_9600, Block{9600, 4096, 2048})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// Time of one 64-byte write frame with its acknowledge when the line costs nothing.
void RahmenOhneLeitungstakt(benchmark::State& state) {
  Strecke strecke(0);
  if (!strecke.bereit()) return state.SkipWithError("kein Pseudo-Terminal");
  const std::vector<uint8_t> block(kBlockGroesse, 0x5A);
  int start = 0;
  for (auto _ : state) {
    if (NOVHLN1_SpeicherSchreiben(strecke.ports(), kPort, '1', 4, start, kBlockGroesse, block) != 0)
      return state.SkipWithError("Schreiben fehlgeschlagen");
    start = (start + kBlockGroesse) % 65536;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RahmenOhneLeitungstakt)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
