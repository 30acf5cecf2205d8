// The simulated line on a pseudo-terminal, driven through the POSIX port and the driver:
// - with line-rate pacing, a full curve area (61440 bytes from 4096) takes at most 10 % longer
//   than its characters need on the line (counter "verhaeltnis" <= 1.10);
// - without pacing, the software's own time per frame.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "bench/stummedialoge.h"
#include "device/novhln1.h"
#include "device/posixport.h"
#include "device/speichertransfer.h"
#include "sim/ptyserver.h"

namespace {

constexpr int kPort = 1;
constexpr int kKurvenStart = 4096;
constexpr int kKurvenLaenge = 65536 - kKurvenStart;
constexpr int kEmulierteBaud = 115200;
constexpr double kHoechstesVerhaeltnis = 1.10;

class PfadFabrik : public Portfabrik {
 public:
  explicit PfadFabrik(std::string pfad) : pfad_(std::move(pfad)) {}
  std::unique_ptr<ComPort> Oeffnen(int, const Leitungseinstellung& e) override {
    return PosixPortOeffnen(pfad_, e);
  }

 private:
  std::string pfad_;
};

// The simulator serving in a thread of this process, and the driver's port to it.
class Strecke {
 public:
  explicit Strecke(int baud) : fabrik_(pty_.Pfad()), ports_(fabrik_) {
    leitung_.GeraetHinzufuegen('1');
    if (pipe(stopp_) != 0 || !pty_.Offen()) return;
    dienst_ = std::thread([this, baud] { pty_.Laufen(leitung_, baud, stopp_[0]); });
    bereit_ = NOVHLN1_Open(ports_, kPort, 9600) == 0 && NOVHLN1_Timeout(ports_, kPort, 2.0) == 0;
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
  PfadFabrik fabrik_;
  ComPorts ports_;
  int stopp_[2] = {-1, -1};
  std::thread dienst_;
  bool bereit_ = false;
};

// Characters of the write requests and their acknowledges for anzahl bytes in 64-byte blocks.
long ZeichenAufDerLeitung(int anzahl) {
  long zeichen = 0;
  for (int rest = anzahl; rest > 0; rest -= kBlockGroesse) {
    const int block = std::min(rest, kBlockGroesse);
    zeichen += 19 + 2 * block + 1;  // frame with 2 digits per byte, then ACK
  }
  return zeichen;
}

void KurvenbereichMitLeitungstakt(benchmark::State& state) {
  Strecke strecke(kEmulierteBaud);
  if (!strecke.bereit()) return state.SkipWithError("kein Pseudo-Terminal");
  StummeDialoge dialoge;
  std::vector<uint8_t> abbild(65536);
  for (size_t i = 0; i < abbild.size(); ++i) abbild[i] = static_cast<uint8_t>(i * 13);
  const double leitungszeit = ZeichenAufDerLeitung(kKurvenLaenge) * 10.0 / kEmulierteBaud;
  double gemessen = 0;
  for (auto _ : state) {
    const auto anfang = std::chrono::steady_clock::now();
    const int code = KurvenBlockSchreiben(dialoge, strecke.ports(), kPort, '1', abbild,
                                          kKurvenStart, kKurvenLaenge, 4);
    gemessen = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    if (code != 0) return state.SkipWithError("Schreiben fehlgeschlagen");
  }
  state.counters["leitungszeit_s"] = leitungszeit;
  state.counters["verhaeltnis"] = gemessen / leitungszeit;
  state.SetLabel(gemessen / leitungszeit <= kHoechstesVerhaeltnis ? "ok (<= 1.10)"
                                                                  : "ZU LANGSAM (> 1.10)");
}
BENCHMARK(KurvenbereichMitLeitungstakt)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

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
