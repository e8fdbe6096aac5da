#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/progress_display.hpp"
#include "hardware/programming_run.hpp"
#include "hardware/sim/simulated_chip.hpp"

namespace vertanum::programming_test {

// Everything a sequence does to the status label and the progress bar, in order, as one
// letter each where it matters: A advance, E events processed.
class RecordingDisplay : public ProgressDisplay {
  public:
    void SetStatus(std::string_view text) override {
        statuses.emplace_back(text);
        status = text;
    }
    void SetMaximum(int m) override {
        maxima.push_back(m);
        maximum = m;
    }
    void SetPosition(int p) override {
        if (p == position + 1) {
            ++advances;
            rhythm += 'A';
        }
        position = p;
        highest = std::max(highest, p);
    }
    int Position() const override { return position; }
    void ShowPercentage(bool on) override { percentage = on; }
    void ProcessEvents() override {
        ++events;
        rhythm += 'E';
    }
    std::string Status() const override { return status; }

    std::vector<std::string> statuses;
    std::vector<int> maxima;
    std::string status;
    std::string rhythm;
    int maximum = 100;
    int position = 0;
    int highest = 0;
    int advances = 0;
    int events = 0;
    bool percentage = false;
};

class RecordingFrontEnd : public hardware::ProgrammingFrontEnd {
  public:
    void FlashMainWindow(hardware::FlashFlags f) override { flashes.push_back(f); }
    void PlayWave(std::span<const std::uint8_t> wave) override {
        played.assign(wave.begin(), wave.end());
        ++sounds;
    }
    void ShowElapsedTime(std::string_view text) override { elapsed.emplace_back(text); }

    std::vector<hardware::FlashFlags> flashes;
    std::vector<std::uint8_t> played;
    std::vector<std::string> elapsed;
    int sounds = 0;
};

// The six programming sequences, one model of each family standing for it.
enum class Family { KRV, QV710, Qirel, Velkar, Dorimen, Frastoven };

struct FamilyFacts {
    Family family;
    const char* name;
    int position;  // a registry position of the family
    hardware::ChipType chip;
    std::int32_t success;  // what ProgramDevice returns after success
    int maximum;
    int advances;      // progress steps of a whole run
    int events;        // pending events processed in a whole run
    bool reads_fuses;  // the sequence compares fuse and lock read-backs
    // What the chip holds afterwards (unused bits as the chip keeps them); -1 not on this chip.
    int fuse;
    int fuse_high;
    int lock;
};

inline const std::vector<FamilyFacts>& Families() {
    using hardware::ChipType;
    static const std::vector<FamilyFacts> facts = {
        {Family::KRV, "KRV", 7, ChipType::AT90LS4433, 1, 4604, 4608, 4608, false, 0xC2, -1, 0xF9},
        {Family::QV710, "QV710", 0, ChipType::ATmega8, 1, 288, 288, 0, true, 0x31, 0xCF, 0xFC},
        {Family::Qirel, "Qirel", 21, ChipType::ATtiny26, 1, 144, 144, 144, true, 0xE1, 0xF7, 0xFC},
        {Family::Velkar, "Velkar", 8, ChipType::AT89S53, 12289, 24574, 24576, 24576, false, -1, -1,
         0x1F},
        {Family::Dorimen, "Dorimen", 15, ChipType::ATmega8, 1, 288, 288, 288, true, 0x3F, 0xDF,
         0xFC},
        {Family::Frastoven, "Frastoven", 18, ChipType::ATmega161, 2, 544, 544, 544, false, 0xC5, -1,
         0xFC},
    };
    return facts;
}

inline const FamilyFacts& FactsOfPosition(int position) {
    static const std::vector<std::pair<int, Family>> families = {
        {0, Family::QV710},      {1, Family::QV710},      {2, Family::QV710},
        {3, Family::QV710},      {4, Family::QV710},      {5, Family::QV710},
        {6, Family::QV710},      {7, Family::KRV},        {8, Family::Velkar},
        {9, Family::Velkar},     {10, Family::Velkar},    {11, Family::Velkar},
        {12, Family::Velkar},    {13, Family::Velkar},    {14, Family::Velkar},
        {15, Family::Dorimen},   {16, Family::Dorimen},   {17, Family::Dorimen},
        {18, Family::Frastoven}, {19, Family::Frastoven}, {20, Family::Frastoven},
        {21, Family::Qirel},     {22, Family::Velkar},
    };
    for (const auto& [p, f] : families) {
        if (p != position) continue;
        for (const auto& facts : Families()) {
            if (facts.family == f) return facts;
        }
    }
    throw std::out_of_range("no family for position " + std::to_string(position));
}

}  // namespace vertanum::programming_test
