#include "SsbGenerator.h"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace ssb {

namespace {

// splitmix64: small, fast and good enough for uniform choices; one stream per table so
// that a table's rows do not depend on how many rows another table has.
class Random
{
public:
    explicit Random(uint64_t seed) : m_state(seed) {}

    int64_t uniform(int64_t low, int64_t high)   // both ends included
    {
        return low + int64_t(next() % uint64_t(high - low + 1));
    }
    template<typename T, size_t N>
    const T& pick(const std::array<T, N>& values)
    {
        return values[size_t(uniform(0, int64_t(N) - 1))];
    }

private:
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    uint64_t m_state;
};

struct Nation
{
    std::string_view name;
    int region;
};

constexpr std::array<Nation, 25> kNations{{
    {"ALGERIA", 0},      {"ARGENTINA", 1},  {"BRAZIL", 1},  {"CANADA", 1},         {"EGYPT", 4},
    {"ETHIOPIA", 0},     {"FRANCE", 3},     {"GERMANY", 3}, {"INDIA", 2},          {"INDONESIA", 2},
    {"IRAN", 4},         {"IRAQ", 4},       {"JAPAN", 2},   {"JORDAN", 4},         {"KENYA", 0},
    {"MOROCCO", 0},      {"MOZAMBIQUE", 0}, {"PERU", 1},    {"CHINA", 2},          {"ROMANIA", 3},
    {"SAUDI ARABIA", 4}, {"VIETNAM", 2},    {"RUSSIA", 3},  {"UNITED KINGDOM", 3}, {"UNITED STATES", 1},
}};
constexpr std::array<std::string_view, 5> kRegions{"AFRICA", "AMERICA", "ASIA", "EUROPE", "MIDDLE EAST"};
constexpr std::array<std::string_view, 5> kSegments{"AUTOMOBILE", "BUILDING", "FURNITURE", "MACHINERY", "HOUSEHOLD"};
constexpr std::array<std::string_view, 5> kPriorities{"1-URGENT", "2-HIGH", "3-MEDIUM", "4-NOT SPECI", "5-LOW"};
constexpr std::array<std::string_view, 7> kShipModes{"REG AIR", "AIR", "RAIL", "SHIP", "TRUCK", "MAIL", "FOB"};
constexpr std::array<std::string_view, 92> kColors{
    "almond",   "antique", "aquamarine", "azure",     "beige",      "bisque",    "black",     "blanched", "blue",
    "blush",    "brown",   "burlywood",  "burnished", "chartreuse", "chiffon",   "chocolate", "coral",    "cornflower",
    "cornsilk", "cream",   "cyan",       "dark",      "deep",       "dim",       "dodger",    "drab",     "firebrick",
    "floral",   "forest",  "frosted",    "gainsboro", "ghost",      "goldenrod", "green",     "grey",     "honeydew",
    "hot",      "indian",  "ivory",      "khaki",     "lace",       "lavender",  "lawn",      "lemon",    "light",
    "lime",     "linen",   "magenta",    "maroon",    "medium",     "metallic",  "midnight",  "mint",     "misty",
    "moccasin", "navajo",  "navy",       "olive",     "orange",     "orchid",    "pale",      "papaya",   "peach",
    "peru",     "pink",    "plum",       "powder",    "puff",       "purple",    "red",       "rose",     "rosy",
    "royal",    "saddle",  "salmon",     "sandy",     "seashell",   "sienna",    "sky",       "slate",    "smoke",
    "snow",     "spring",  "steel",      "tan",       "thistle",    "tomato",    "turquoise", "violet",   "wheat",
    "white",    "yellow"};
constexpr std::array<std::string_view, 6> kTypeSize{"STANDARD", "SMALL", "MEDIUM", "LARGE", "ECONOMY", "PROMO"};
constexpr std::array<std::string_view, 5> kTypeFinish{"ANODIZED", "BURNISHED", "PLATED", "POLISHED", "BRUSHED"};
constexpr std::array<std::string_view, 5> kTypeMetal{"TIN", "NICKEL", "BRASS", "STEEL", "COPPER"};
constexpr std::array<std::string_view, 5> kContainerSize{"SM", "LG", "MED", "JUMBO", "WRAP"};
constexpr std::array<std::string_view, 8> kContainerKind{"CASE", "BOX", "BAG", "JAR", "PKG", "PACK", "CAN", "DRUM"};
constexpr std::array<std::string_view, 12> kMonths{"January",   "February", "March",    "April",
                                                   "May",       "June",     "July",     "August",
                                                   "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                    "Thursday", "Friday", "Saturday"};
constexpr std::string_view kAddressChars = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ ,.";

// Orders are dated so that the last line's commit date (up to 90 days later) stays in range.
constexpr int kOrderDateSpan = 151;

void setNumber(Value& v, int64_t n)
{
    v = n;
}

void setText(Value& v, std::string_view s)
{
    if (auto* text = std::get_if<std::string>(&v))
        text->assign(s);
    else
        v.emplace<std::string>(s);
}

std::string randomText(Random& random, int minLength, int maxLength)
{
    std::string s(size_t(random.uniform(minLength, maxLength)), ' ');
    for (char& c : s)
        c = kAddressChars[size_t(random.uniform(0, int64_t(kAddressChars.size()) - 1))];
    return s;
}

// "UNITED KI1": the nation's first nine letters, padded, and a digit.
std::string cityOf(const Nation& nation, int64_t digit)
{
    std::string city(nation.name.substr(0, 9));
    city.resize(9, ' ');
    city += char('0' + digit);
    return city;
}

std::string phoneOf(Random& random, int nationKey)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d-%03d-%03d-%04d", nationKey + 10, int(random.uniform(100, 999)),
                  int(random.uniform(100, 999)), int(random.uniform(1000, 9999)));
    return buffer;
}

std::string numbered(std::string_view prefix, int64_t key)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%09lld", static_cast<long long>(key));
    return std::string(prefix) + buffer;
}

using Days = std::chrono::sys_days;
const Days kFirstDay = Days{std::chrono::year{1992} / 1 / 1};
const Days kLastDay = Days{std::chrono::year{1998} / 12 / 31};

int64_t dateKey(Days day)
{
    const std::chrono::year_month_day ymd{day};
    return int64_t(int(ymd.year())) * 10000 + int64_t(unsigned(ymd.month())) * 100 + int64_t(unsigned(ymd.day()));
}

std::string_view sellingSeason(unsigned month)
{
    if (month == 12)
        return "Christmas";
    if (month <= 2)
        return "Winter";
    if (month <= 5)
        return "Spring";
    if (month <= 8)
        return "Summer";
    return "Fall";
}

// Customers and suppliers share the rules of their address columns.
const Row& fillParty(Row& row, Random& random, std::string_view namePrefix, int64_t key)
{
    const int nationKey = int(random.uniform(0, 24));
    const Nation& nation = kNations[size_t(nationKey)];
    setNumber(row[0], key);
    setText(row[1], numbered(namePrefix, key));
    setText(row[2], randomText(random, 10, 40));
    setText(row[3], cityOf(nation, random.uniform(0, 9)));
    setText(row[4], nation.name);
    setText(row[5], kRegions[size_t(nation.region)]);
    setText(row[6], phoneOf(random, nationKey));
    return row;
}

}

TableSizes::TableSizes(double scaleFactor)
{
    const auto scaled = [scaleFactor](double base) { return std::max<int64_t>(1, std::llround(base * scaleFactor)); };
    customers = scaled(30000);
    suppliers = scaled(2000);
    orders = scaled(1500000);
    // Parts grow with the logarithm of the scale factor; below 1 they shrink with it.
    parts = scaleFactor >= 1 ? int64_t(200000 * std::floor(1 + std::log2(scaleFactor))) : scaled(200000);
}

int64_t SsbGenerator::retailPrice(int64_t partKey)
{
    return 90000 + (partKey / 10) % 20001 + 100 * (partKey % 1000);
}

void SsbGenerator::dates(const RowSink& sink) const
{
    Row row(17);
    for (Days day = kFirstDay; day <= kLastDay; day += std::chrono::days{1}) {
        const std::chrono::year_month_day ymd{day};
        const int year = int(ymd.year());
        const unsigned month = unsigned(ymd.month());
        const unsigned dayOfMonth = unsigned(ymd.day());
        const unsigned weekday = std::chrono::weekday{day}.c_encoding();   // 0: Sunday
        const int dayOfYear = int((day - Days{ymd.year() / 1 / 1}).count()) + 1;
        const bool lastOfMonth = ymd.year() / ymd.month() / std::chrono::last == ymd;
        const bool holiday =
            (month == 1 && dayOfMonth == 1) || (month == 7 && dayOfMonth == 4) || (month == 12 && dayOfMonth == 25);
        const std::string monthName(kMonths[month - 1]);
        setNumber(row[0], dateKey(day));
        setText(row[1], monthName + ' ' + std::to_string(dayOfMonth) + ", " + std::to_string(year));
        setText(row[2], kWeekdays[weekday]);
        setText(row[3], monthName);
        setNumber(row[4], year);
        setNumber(row[5], int64_t(year) * 100 + month);
        setText(row[6], monthName.substr(0, 3) + std::to_string(year));
        setNumber(row[7], weekday + 1);
        setNumber(row[8], dayOfMonth);
        setNumber(row[9], dayOfYear);
        setNumber(row[10], month);
        setNumber(row[11], (dayOfYear - 1) / 7 + 1);
        setText(row[12], sellingSeason(month));
        setNumber(row[13], weekday == 6 ? 1 : 0);
        setNumber(row[14], lastOfMonth ? 1 : 0);
        setNumber(row[15], holiday ? 1 : 0);
        setNumber(row[16], weekday >= 1 && weekday <= 5 ? 1 : 0);
        sink(row);
    }
}

void SsbGenerator::customers(const RowSink& sink) const
{
    Random random(1);
    Row row(8);
    for (int64_t key = 1; key <= m_sizes.customers; ++key) {
        fillParty(row, random, "Customer#", key);
        setText(row[7], random.pick(kSegments));
        sink(row);
    }
}

void SsbGenerator::suppliers(const RowSink& sink) const
{
    Random random(2);
    Row row(7);
    for (int64_t key = 1; key <= m_sizes.suppliers; ++key)
        sink(fillParty(row, random, "Supplier#", key));
}

void SsbGenerator::parts(const RowSink& sink) const
{
    Random random(3);
    Row row(9);
    for (int64_t key = 1; key <= m_sizes.parts; ++key) {
        const int64_t mfgr = random.uniform(1, 5);
        const std::string category = "MFGR#" + std::to_string(mfgr) + std::to_string(random.uniform(1, 5));
        const int64_t first = random.uniform(0, int64_t(kColors.size()) - 1);
        const int64_t second = (first + random.uniform(1, int64_t(kColors.size()) - 1)) % int64_t(kColors.size());
        setNumber(row[0], key);
        setText(row[1], std::string(kColors[size_t(first)]) + ' ' + std::string(kColors[size_t(second)]));
        setText(row[2], "MFGR#" + std::to_string(mfgr));
        setText(row[3], category);
        setText(row[4], category + std::to_string(random.uniform(1, 40)));
        setText(row[5], random.pick(kColors));
        setText(row[6],
                std::string(random.pick(kTypeSize)) + ' ' + std::string(random.pick(kTypeFinish)) + ' '
                    + std::string(random.pick(kTypeMetal)));
        setNumber(row[7], random.uniform(1, 50));
        setText(row[8], std::string(random.pick(kContainerSize)) + ' ' + std::string(random.pick(kContainerKind)));
        sink(row);
    }
}

void SsbGenerator::lineorders(const RowSink& sink) const
{
    Random random(4);
    const int64_t orderDays = (kLastDay - kFirstDay).count() + 1 - kOrderDateSpan;
    struct Line
    {
        int64_t part, supplier, quantity, discount, tax, commitOffset;
        size_t shipMode;
    };
    std::vector<Line> lines;
    Row row(17);
    for (int64_t order = 1; order <= m_sizes.orders; ++order) {
        // Only 8 of every 32 order keys are used, as in the benchmark's sparse keys.
        const int64_t orderKey = ((order - 1) / 8) * 32 + (order - 1) % 8 + 1;
        int64_t customer = random.uniform(1, m_sizes.customers);
        while (customer % 3 == 0 && m_sizes.customers >= 3)
            customer = random.uniform(1, m_sizes.customers);
        const Days orderDay = kFirstDay + std::chrono::days{random.uniform(0, orderDays - 1)};
        const std::string_view priority = random.pick(kPriorities);

        lines.resize(size_t(random.uniform(1, 7)));
        int64_t total = 0;
        for (Line& line : lines) {
            line = {random.uniform(1, m_sizes.parts),
                    random.uniform(1, m_sizes.suppliers),
                    random.uniform(1, 50),
                    random.uniform(0, 10),
                    random.uniform(0, 8),
                    random.uniform(30, 90),
                    size_t(random.uniform(0, int64_t(kShipModes.size()) - 1))};
            const int64_t extended = line.quantity * retailPrice(line.part);
            total += extended * (100 - line.discount) / 100 * (100 + line.tax) / 100;
        }
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            const int64_t price = retailPrice(line.part);
            const int64_t extended = line.quantity * price;
            setNumber(row[0], orderKey);
            setNumber(row[1], int64_t(i) + 1);
            setNumber(row[2], customer);
            setNumber(row[3], line.part);
            setNumber(row[4], line.supplier);
            setNumber(row[5], dateKey(orderDay));
            setText(row[6], priority);
            setText(row[7], "0");
            setNumber(row[8], line.quantity);
            setNumber(row[9], extended);
            setNumber(row[10], total);
            setNumber(row[11], line.discount);
            setNumber(row[12], extended * (100 - line.discount) / 100);
            setNumber(row[13], 6 * price / 10);
            setNumber(row[14], line.tax);
            setNumber(row[15], dateKey(orderDay + std::chrono::days{line.commitOffset}));
            setText(row[16], kShipModes[line.shipMode]);
            sink(row);
        }
    }
}

}
