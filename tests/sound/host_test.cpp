// The whole path as the game takes it: the host finds the built library,
// creates the control by its class, loads the ten effects from the program
// folder and plays one. Each suite runs under the SDL driver its name says
// (set by the test's environment).
#include "game/sound/game_sounds.h"
#include "game/sound/wavo_host.h"

#include <wavory/wavory.h>

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

using namespace dravik::sound;
using namespace dravik;

namespace {

const std::string kProgramFolder = std::string(DRAVIK_OUTPUT_DIR) + "/";

// A file name in a folder of this test program's own, removed when it ends.
std::string TempPath(const std::string& name) {
    static const dravik::test::TempFolder folder("wavory-host-test");
    return (folder / name).string();
}

std::vector<int16_t> ReadSamples(const std::string& path, size_t skipBytes) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> samples;
    for (size_t i = skipBytes; i + 1 < bytes.size(); i += 2)
        samples.push_back(static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                               static_cast<uint8_t>(bytes[i + 1]) << 8));
    return samples;
}

} // namespace

TEST(WholePath, TheGameLoadsTheTenEffectsAndPlaysEffectTwo) {
    auto host = WavoHost::Create(kProgramFolder, TempPath("no-registry.reg"));
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->LibraryPath(), kProgramFolder + "libwavory.so");
    GameSounds sounds(host.get(), kProgramFolder);
    sounds.SetWindow(0x5A5A);
    sounds.Init_Sound();
    ASSERT_TRUE(sounds.SoundAvailable());
    for (int n = 0; n < kEffectCount; ++n) EXPECT_EQ(sounds.SoundHandles()[n], n);
    sounds.Speel(kSoundAssign);
    int32_t handle = sounds.SoundHandles()[kSoundAssign];
    EXPECT_EQ(host->PlayStaticSound(handle, 0), 1);
    EXPECT_EQ(host->CreateStaticSound(kProgramFolder + "NoSuchEffect.wav"), -12);
}

// The library plays sound for a host that is not an SDL program: opening the
// device must leave the host's termination signals alone, or the game could
// no longer be ended with SIGTERM or Ctrl+C.
TEST(WholePath, OpeningTheDeviceLeavesTheHostsSignalsAlone) {
    struct sigaction after[2];
    const int signals[2] = {SIGTERM, SIGINT};
    auto host = WavoHost::Create(kProgramFolder, TempPath("no-registry.reg"));
    ASSERT_NE(host, nullptr);
    GameSounds sounds(host.get(), kProgramFolder);
    sounds.SetWindow(0x5A5A);
    sounds.Init_Sound();
    ASSERT_TRUE(sounds.SoundAvailable());
    for (int i = 0; i < 2; ++i) {
        sigaction(signals[i], nullptr, &after[i]);
        EXPECT_EQ(after[i].sa_handler, SIG_DFL) << "signal " << signals[i];
    }
}

TEST(WholePath, TheClassRegistryFileDecidesWhichLibraryServesTheClass) {
    std::string registryFile = TempPath("classes.reg");
    // The same library under another spelling of its path, so the test can
    // tell that the registry's entry was used.
    std::string registered = std::string(DRAVIK_OUTPUT_DIR) + "/./libwavory.so";
    {
        std::ofstream out(registryFile);
        out << "[CLSID\\" << wavory::kClsidWavoText << "\\InprocServer32]\n@=" << registered
            << "\nThreadingModel=Apartment\n";
    }
    auto host = WavoHost::Create("/nowhere/", registryFile);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->LibraryPath(), registered);
    host.reset();

    // An entry naming a library that is gone: the one beside the program serves.
    {
        std::ofstream out(registryFile);
        out << "[CLSID\\" << wavory::kClsidWavoText << "\\InprocServer32]\n@=/gone/libwavory.so\n";
    }
    host = WavoHost::Create(kProgramFolder, registryFile);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->LibraryPath(), kProgramFolder + "libwavory.so");
    std::filesystem::remove(registryFile);

    // Neither: no control, and the game has no sound.
    EXPECT_EQ(WavoHost::Create("/nowhere/", TempPath("none.reg")), nullptr);
}

TEST(DiskCapture, EffectTwoReachesTheOutputAtItsOwnLevel) {
    const char* capture = std::getenv("SDL_DISKAUDIOFILE");
    ASSERT_NE(capture, nullptr) << "run with SDL_AUDIODRIVER=disk and SDL_DISKAUDIOFILE set";
    std::filesystem::remove(capture);
    {
        auto host = WavoHost::Create(kProgramFolder, TempPath("no-registry.reg"));
        ASSERT_NE(host, nullptr);
        GameSounds sounds(host.get(), kProgramFolder);
        sounds.SetWindow(1);
        sounds.Init_Sound();
        ASSERT_TRUE(sounds.SoundAvailable());
        sounds.Speel(kSoundAssign);
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
    } // the end of the control closes the device

    std::vector<int16_t> effect = ReadSamples(kProgramFolder + "Assign.wav", 44);
    std::vector<int16_t> mixed = ReadSamples(capture, 0);
    ASSERT_GT(mixed.size(), 48000u / 2);
    auto loud = [](int16_t s) { return std::abs(s) > 64; };
    auto first = std::find_if(mixed.begin(), mixed.end(), loud);
    auto last = std::find_if(mixed.rbegin(), mixed.rend(), loud);
    ASSERT_NE(first, mixed.end()) << "nothing was heard";
    // Stereo frames carry the mono effect on both sides.
    for (size_t i = 0; i + 1 < mixed.size(); i += 2) ASSERT_EQ(mixed[i], mixed[i + 1]) << i;
    // The effect's 0.12 s at 44.1 kHz lasts as long at the output's 48 kHz.
    double heardFrames = static_cast<double>((mixed.rend() - last) - (first - mixed.begin())) / 2;
    double effectFrames =
        static_cast<double>(std::find_if(effect.rbegin(), effect.rend(), loud).base() -
                            std::find_if(effect.begin(), effect.end(), loud)) *
        48000.0 / 44100.0;
    EXPECT_NEAR(heardFrames, effectFrames, 48.0);
    // Played at full volume: the same peak, give or take the resampling.
    auto peakOf = [](const std::vector<int16_t>& v) {
        int peak = 0;
        for (int16_t s : v) peak = std::max(peak, std::abs(static_cast<int>(s)));
        return peak;
    };
    EXPECT_NEAR(peakOf(mixed), peakOf(effect), peakOf(effect) * 0.03);
    std::filesystem::remove(capture);
}

TEST(NoDevice, InitSoundReportsNoSoundAndSpeelStaysSilent) {
    auto host = WavoHost::Create(kProgramFolder, TempPath("no-registry.reg"));
    ASSERT_NE(host, nullptr);
    GameSounds sounds(host.get(), kProgramFolder);
    sounds.SetWindow(1);
    sounds.Init_Sound();
    EXPECT_FALSE(sounds.SoundAvailable());
    EXPECT_EQ(sounds.SoundHandles(), (std::array<int32_t, kEffectCount>{}));
    sounds.Speel(kSoundAssign); // reaches the control, which refuses it
    int32_t handle = 0;
    EXPECT_EQ(host->PlayStaticSound(handle, 0), -4);
    EXPECT_EQ(host->InitializeSound(), -11);
}
