// Reading a whole file, replacing one atomically, and what errno values mean.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "atomic_file.h"

namespace kav::records {
namespace {

namespace fs = std::filesystem;

class AtomicFile : public ::testing::Test {
protected:
    fs::path ordner;
    void SetUp() override {
        ordner = fs::temp_directory_path() /
                 ("kav_records_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(ordner);
        fs::create_directories(ordner);
    }
    void TearDown() override { fs::remove_all(ordner); }
    std::vector<std::string> dateien() const {
        std::vector<std::string> namen;
        for (const auto& e : fs::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        std::sort(namen.begin(), namen.end());
        return namen;
    }
};

TEST_F(AtomicFile, CreatesAndReplacesWholly) {
    const fs::path ziel = ordner / "a.kav";
    ASSERT_EQ(atomarSchreiben(ziel, std::string("KAV\0\xFF lang und alt", 17)), DateiFehler::Keiner);
    DateiGelesen g = dateiLesen(ziel);
    ASSERT_TRUE(g.ok());
    EXPECT_EQ(g.inhalt, std::string("KAV\0\xFF lang und alt", 17)) << "every byte, NUL and 0xFF included";
    ASSERT_EQ(atomarSchreiben(ziel, "neu"), DateiFehler::Keiner);
    EXPECT_EQ(dateiLesen(ziel).inhalt, "neu") << "no rest of the longer old content";
    EXPECT_EQ(dateien(), std::vector<std::string>{"a.kav"}) << "no temporary file left";
}

TEST_F(AtomicFile, ANameNearTheLengthLimitSavesAsWell) {
    for (const std::size_t laenge : {245u, 251u, 255u}) {
        SCOPED_TRACE(laenge);
        const std::string name = std::string(laenge - 4, 'n') + ".kav";
        ASSERT_EQ(atomarSchreiben(ordner / name, "neu"), DateiFehler::Keiner);
        EXPECT_EQ(dateiLesen(ordner / name).inhalt, "neu");
        EXPECT_EQ(dateien(), std::vector<std::string>{name}) << "no temporary file left";
        fs::remove(ordner / name);
    }
}

TEST_F(AtomicFile, FailuresLeaveNothingBehind) {
    fs::create_directories(ordner / "ordner.kav");
    EXPECT_EQ(atomarSchreiben(ordner / "ordner.kav", "x"), DateiFehler::IstOrdner);
    EXPECT_EQ(atomarSchreiben(ordner / "fehlt" / "a.kav", "x"), DateiFehler::NichtGefunden);
    EXPECT_EQ(atomarSchreiben(ordner / std::string(300, 'n'), "x"), DateiFehler::UngueltigerName);
    EXPECT_EQ(atomarSchreiben(ordner / "", "x"), DateiFehler::UngueltigerName);
    EXPECT_EQ(dateien(), std::vector<std::string>{"ordner.kav"});

    EXPECT_EQ(dateiLesen(ordner / "fehlt.kav").fehler, DateiFehler::NichtGefunden);
    EXPECT_EQ(dateiLesen(ordner / "ordner.kav").fehler, DateiFehler::IstOrdner);
    std::ofstream(ordner / "leer.kav").close();
    const DateiGelesen leer = dateiLesen(ordner / "leer.kav");
    EXPECT_TRUE(leer.ok());
    EXPECT_TRUE(leer.inhalt.empty());
}

TEST(AtomicFileErrno, WhatEachMeans) {
    const std::pair<int, DateiFehler> faelle[] = {
        {0, DateiFehler::Keiner},
        {ENOENT, DateiFehler::NichtGefunden},
        {EISDIR, DateiFehler::IstOrdner},
        {EACCES, DateiFehler::KeineRechte},
        {EPERM, DateiFehler::KeineRechte},
        {EROFS, DateiFehler::KeineRechte},
        {ENOSPC, DateiFehler::KeinPlatz},
        {EFBIG, DateiFehler::KeinPlatz},
        {ENAMETOOLONG, DateiFehler::UngueltigerName},
        {EINVAL, DateiFehler::UngueltigerName},
        {EIO, DateiFehler::EAFehler},
    };
    for (const auto& [e, f] : faelle)
        EXPECT_EQ(dateiFehlerAusErrno(e), f) << e;
}

} // namespace
} // namespace kav::records
