#include "advisor/freetables.h"

#include "advisor/advisor.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <mutex>
#include <system_error>
#include <thread>

namespace rollwell {

namespace advice {

namespace {

constexpr char kMagic[8] = {'R', 'W', 'F', 'R', 'E', 'E', '2', '\n'};
// Values are kept in 64ths of a point from -300: a state's future may be
// negative (Ones known, only Min left) and reaches about 600 with six dice.
constexpr float kScale = 64.0f;
constexpr float kOffset = 300.0f;

std::mutex& tablesMutex() {
    static std::mutex m;
    return m;
}
std::shared_ptr<const FreeValues>& slot(int dice) {
    static std::shared_ptr<const FreeValues> tables[2];
    return tables[dice == 6 ? 1 : 0];
}

uint64_t checksum(const std::vector<uint16_t>& words) {
    uint64_t sum = 1469598103934665603ull;
    for (uint16_t w : words)
        sum = (sum ^ w) * 1099511628211ull;
    return sum;
}

} // namespace

std::shared_ptr<const FreeValues> SolvedFreeValues(int dice) {
    std::lock_guard lock(tablesMutex());
    return slot(dice);
}

void SetSolvedFreeValues(int dice, std::shared_ptr<const FreeValues> values) {
    std::lock_guard lock(tablesMutex());
    slot(dice) = std::move(values);
}

std::filesystem::path FreeValuesFile(const std::filesystem::path& folder, int dice) {
    return folder / ("yahtzee" + std::to_string(dice) + ".values");
}

bool SaveFreeValues(const FreeValues& values, const std::filesystem::path& file) {
    std::vector<uint16_t> words(values.stateCount());
    for (size_t i = 0; i < words.size(); ++i) {
        const float v = std::round((values.raw()[i] + kOffset) * kScale);
        if (!(v >= 0.0f && v <= 65535.0f)) return false; // a value the file cannot hold
        words[i] = static_cast<uint16_t>(v);
    }
    const uint64_t count = words.size(), sum = checksum(words);
    const int32_t dice = values.dice();
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    std::filesystem::path temp = file;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(kMagic, sizeof kMagic);
        out.write(reinterpret_cast<const char*>(&dice), sizeof dice);
        out.write(reinterpret_cast<const char*>(&count), sizeof count);
        out.write(reinterpret_cast<const char*>(words.data()),
                  static_cast<std::streamsize>(words.size() * sizeof(uint16_t)));
        out.write(reinterpret_cast<const char*>(&sum), sizeof sum);
        if (!out.flush()) {
            std::filesystem::remove(temp, ec);
            return false;
        }
    }
    std::filesystem::rename(temp, file, ec);
    if (ec) std::filesystem::remove(temp, ec);
    return !ec;
}

std::shared_ptr<FreeValues> LoadFreeValues(int dice, const std::filesystem::path& file) {
    auto values = std::make_shared<FreeValues>(dice);
    std::ifstream in(file, std::ios::binary);
    char magic[sizeof kMagic] = {};
    int32_t storedDice = 0;
    uint64_t count = 0, sum = 0;
    in.read(magic, sizeof magic);
    in.read(reinterpret_cast<char*>(&storedDice), sizeof storedDice);
    in.read(reinterpret_cast<char*>(&count), sizeof count);
    if (!in || !std::equal(magic, magic + sizeof magic, kMagic) || storedDice != dice ||
        count != values->stateCount())
        return nullptr;
    std::vector<uint16_t> words(count);
    in.read(reinterpret_cast<char*>(words.data()),
            static_cast<std::streamsize>(count * sizeof(uint16_t)));
    in.read(reinterpret_cast<char*>(&sum), sizeof sum);
    if (!in || sum != checksum(words)) return nullptr;
    for (size_t i = 0; i < count; ++i)
        values->raw()[i] = static_cast<float>(words[i]) / kScale - kOffset;
    values->markSolved();
    return values;
}

} // namespace advice

namespace {

struct Preparer {
    std::thread worker;
    std::atomic<bool> stop{false};
    ~Preparer() { halt(); }
    void halt() {
        stop = true;
        if (worker.joinable()) worker.join();
        stop = false;
    }
};

Preparer& preparer() {
    static Preparer p;
    return p;
}

} // namespace

void PrepareYahtzeeValues(const std::string& folder, int firstDice) {
    Preparer& p = preparer();
    p.halt();
    p.worker = std::thread([folder, firstDice, &p] {
        for (int dice : {firstDice == 6 ? 6 : 5, firstDice == 6 ? 5 : 6}) {
            if (p.stop) return;
            if (advice::SolvedFreeValues(dice)) continue;
            const auto file = advice::FreeValuesFile(folder, dice);
            auto values = advice::LoadFreeValues(dice, file);
            if (!values) {
                values = std::make_shared<advice::FreeValues>(dice);
                values->solve(0, &p.stop);
                if (p.stop) return;
                advice::SaveFreeValues(*values, file);
            }
            advice::SetSolvedFreeValues(dice, std::move(values));
        }
    });
}

bool YahtzeeValuesReady(int dice) {
    return advice::SolvedFreeValues(dice) != nullptr;
}

void StopPreparingYahtzeeValues() {
    preparer().halt();
}

void WaitForYahtzeeValues() {
    Preparer& p = preparer();
    if (p.worker.joinable()) p.worker.join();
}

} // namespace rollwell
