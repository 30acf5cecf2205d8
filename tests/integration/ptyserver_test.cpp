// The simulator's pseudo-terminal with the line's pace: answers leave on their timer, never
// before their characters have crossed the line, and arrive whole and in order.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "device/novhln1.h"
#include "platform/posix/posixport.h"
#include "device/speichertransfer.h"
#include "platform/posix/ptyserver.h"

namespace {

// Seconds that zeichen characters of 10 bits take at 9600 baud.
double Leitungszeit(int zeichen) {
  return zeichen * 10.0 / 9600;
}

}  // namespace

TEST(PtyServer, AntwortenErstNachIhrerLeitungszeit) {
  SimLeitung leitung;
  leitung.GeraetHinzufuegen('1');
  PtyServer pty;
  ASSERT_TRUE(pty.Offen());
  int stopp[2];
  ASSERT_EQ(pipe(stopp), 0);
  std::thread dienst([&] { pty.Laufen(leitung, 9600, stopp[0]); });
  PosixPfadfabrik fabrik(pty.Pfad());
  ComPorts ports(fabrik);
  ASSERT_EQ(NOVHLN1_Open(ports, 1, 9600), 0);
  ASSERT_EQ(NOVHLN1_Timeout(ports, 1, 2.0), 0);

  using Uhr = std::chrono::steady_clock;
  std::vector<uint8_t> block(64);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<uint8_t>(i * 37);
  auto beginn = Uhr::now();
  EXPECT_EQ(NOVHLN1_SpeicherSchreiben(ports, 1, '1', 4, 0x1000, 64, block), 0);
  // Request of 147 characters, then the acknowledge.
  EXPECT_GE(std::chrono::duration<double>(Uhr::now() - beginn).count(), Leitungszeit(148));

  std::vector<uint8_t> gelesen(16);
  beginn = Uhr::now();
  EXPECT_EQ(NOVHLN1_SpeicherLesen(ports, 1, '1', 4, 0x1008, 16, gelesen), 0);
  // Request of 15 characters, the acknowledge and the answer of 2 * 16 + 19 characters, which
  // leaves byte by byte.
  EXPECT_GE(std::chrono::duration<double>(Uhr::now() - beginn).count(), Leitungszeit(67));
  EXPECT_TRUE(std::equal(gelesen.begin(), gelesen.end(), block.begin() + 8));

  EXPECT_EQ(NOVHLN1_Close(ports, 1), 0);
  ASSERT_EQ(write(stopp[1], "s", 1), 1);
  dienst.join();
  close(stopp[0]);
  close(stopp[1]);
}
