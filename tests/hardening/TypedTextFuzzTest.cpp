// Over a hundred thousand typed texts through every list of every network, straight into the builders.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "ButterflyCore.h"
#include "GridCore.h"
#include "HypercubeNetwork.h"
#include "RecordChecks.h"
#include "TypedTexts.h"

namespace
{

using namespace hardening;

constexpr unsigned kTableSeed = 0x5eed7e57u;
constexpr size_t kTableSize = 100000;
// Builds at one size before the sliders move on, so texts and route ends carry over many builds.
constexpr int kBuildsPerSize = 40;
// After this many broken builds one plug-in's run stops; the first ones say enough.
constexpr int kReportedFaults = 10;

const std::vector<wxString>& Table()
{
    static const std::vector<wxString> table = TypedTextTable(kTableSeed, kTableSize);
    return table;
}

// What one build was about, kept where the watchdog can read it without locking.
struct Progress
{
    std::atomic<long> builds{0};
    std::atomic<int> network{-1};
    std::atomic<int> shape{-1};
    std::atomic<long> cursor{-1};
};

Progress g_progress;

// Turns a build that never returns into a failure that says which one, instead of a test run
// that waits for ever.
class Watchdog
{
public:
    Watchdog()
        : m_thread([this] {
              std::unique_lock<std::mutex> lock(m_mutex);
              long seen = -1;
              int quiet = 0;
              while (!m_done)
              {
                  m_wake.wait_for(lock, std::chrono::seconds(1));
                  const long now = g_progress.builds.load();
                  quiet = now == seen ? quiet + 1 : 0;
                  seen = now;
                  if (quiet >= kPatienceSeconds)
                  {
                      std::fprintf(stderr, "build %ld did not return (network %d, size %d, text %ld)\n", now,
                                   g_progress.network.load(), g_progress.shape.load(), g_progress.cursor.load());
                      std::abort();
                  }
              }
          })
    {
    }

    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }

private:
    static constexpr int kPatienceSeconds = 60;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};

// One plug-in's state between reloads, as its module keeps it: the sizes, the three texts the
// lists hold and the route ends the previous build left behind.
class Session
{
public:
    Session(Network network, unsigned seed) : m_shape{network, 0}, m_random(seed) {}

    const Shape& GetShape() const { return m_shape; }
    const ListTexts& Texts() const { return m_texts; }
    bool HasTopologyList() const { return !IsButterfly(m_shape.network); }

    // The sliders moved: the point lists are refilled (emptying their texts) and the route
    // ends forgotten; the topology text stays unless it names a cycle no longer offered.
    // keepEnds goes further than any plug-in and leaves the ends of the old size in place.
    void Resize(const Shape& shape, bool keepEnds)
    {
        m_shape = shape;
        m_texts.start.clear();
        m_texts.final.clear();
        if (!keepEnds)
            ForgetEnds();
        if (IsGrid(shape.network) && m_texts.topology == grid::kHamiltonianCycle &&
            !grid::IsOffered(shape.network == Network::Torus, shape.length, shape.width, shape.high,
                             m_texts.topology))
            m_texts.topology.clear();
    }

    // A start or final item chosen from the list: the topology text goes.
    void PickEnd(bool start, const wxString& item)
    {
        (start ? m_texts.start : m_texts.final) = item;
        m_texts.topology.clear();
    }

    // A topology chosen from the list: both end texts and both ends go; the hypercube's tree
    // height returns to 3.
    void PickTopology(const wxString& item)
    {
        m_texts.topology = item;
        m_texts.start.clear();
        m_texts.final.clear();
        ForgetEnds();
        m_texts.treeHeight = 3;
    }

    void Type(int list, const wxString& text)
    {
        (list == 0 ? m_texts.start : list == 1 ? m_texts.final : m_texts.topology) = text;
    }

    void MoveHeight(int height) { m_texts.treeHeight = height; }

    void Build(PointList* points, LineList* lines)
    {
        switch (m_shape.network)
        {
        case Network::Hypercube: BuildHypercube(points, lines); break;
        case Network::Torus:
        case Network::Mesh: BuildGrid(points, lines); break;
        default: BuildButterfly(points, lines); break;
        }
    }

    // The route ends the next build starts from, as the plug-in keeps them.
    std::string Ends() const
    {
        char text[128];
        switch (m_shape.network)
        {
        case Network::Hypercube:
            std::snprintf(text, sizeof text, "start node %d, final node %d, tree height %d", m_hyper[0], m_hyper[1],
                          m_texts.treeHeight);
            break;
        case Network::Torus:
        case Network::Mesh:
            std::snprintf(text, sizeof text, "start {%d,%d,%d}, final {%d,%d,%d}", m_grid[0][0], m_grid[0][1],
                          m_grid[0][2], m_grid[1][0], m_grid[1][1], m_grid[1][2]);
            break;
        default:
            std::snprintf(text, sizeof text, "start row %d level %d, final row %d level %d", m_row[0], m_level[0],
                          m_row[1], m_level[1]);
            break;
        }
        return text;
    }

private:
    void ForgetEnds()
    {
        m_hyper[0] = m_hyper[1] = -1;
        for (auto& end : m_grid)
            end[0] = end[1] = end[2] = -1;
        m_row[0] = m_row[1] = m_level[0] = m_level[1] = -1;
    }

    void BuildHypercube(PointList* points, LineList* lines)
    {
        hypercube::FixedRandom random(static_cast<unsigned>(m_random()));
        hypercube::NetworkParams params;
        params.dimension = m_shape.dimension;
        params.startText = m_texts.start;
        params.finalText = m_texts.final;
        params.topologyText = m_texts.topology;
        params.treeHeight = m_texts.treeHeight < 0 ? 0 : m_texts.treeHeight;
        params.startNode = m_hyper[0];
        params.finalNode = m_hyper[1];
        params.random = &random;
        const hypercube::NetworkResult result = hypercube::BuildNetwork(params, points, lines);
        m_hyper[0] = result.startNode;
        m_hyper[1] = result.finalNode;
    }

    void BuildGrid(PointList* points, LineList* lines)
    {
        grid::GridParams params;
        params.torus = m_shape.network == Network::Torus;
        params.dimension = m_shape.dimension;
        params.length = m_shape.length;
        params.width = m_shape.width;
        params.high = m_shape.high;
        params.startText = m_texts.start;
        params.finalText = m_texts.final;
        params.topologyText = m_texts.topology;
        std::copy(m_grid[0], m_grid[0] + 3, params.start);
        std::copy(m_grid[1], m_grid[1] + 3, params.final);
        grid::BuildNetwork(params, points, lines);
        std::copy(params.start, params.start + 3, m_grid[0]);
        std::copy(params.final, params.final + 3, m_grid[1]);
    }

    void BuildButterfly(PointList* points, LineList* lines)
    {
        butterfly::NetworkParams params;
        params.wrapped = m_shape.network == Network::Wrapped;
        params.dimension = m_shape.dimension;
        params.startText = m_texts.start;
        params.finalText = m_texts.final;
        params.startRow = m_row[0];
        params.startLevel = m_level[0];
        params.finalRow = m_row[1];
        params.finalLevel = m_level[1];
        butterfly::BuildNetwork(params, points, lines);
        m_row[0] = params.startRow;
        m_level[0] = params.startLevel;
        m_row[1] = params.finalRow;
        m_level[1] = params.finalLevel;
    }

    Shape m_shape;
    ListTexts m_texts{wxString(), wxString(), wxString(), 0};
    int m_hyper[2] = {-1, -1};
    int m_grid[2][3] = {{-1, -1, -1}, {-1, -1, -1}};
    int m_row[2] = {-1, -1};
    int m_level[2] = {-1, -1};
    std::mt19937 m_random;
};

template <typename T>
const T& AnyOf(const std::vector<T>& items, TypedTextSource& dice)
{
    return items[dice.Draw(static_cast<unsigned>(items.size()))];
}

struct Case
{
    Network network;
    const char* name;
};

const Case kCases[] = {
    {Network::Hypercube, "Hypercube"}, {Network::Torus, "Torus"},           {Network::Mesh, "Mesh"},
    {Network::Wrapped, "Wrapped"},     {Network::Ordinary, "Ordinary"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// The table is shared out: every start list, every final list and every topology list of the
// five networks together take each text once (a network's list takes its share, then goes on
// round the table until the network's other lists have had theirs).
struct Share
{
    size_t begin;
    size_t size;
};

Share ShareOf(Network network, int list, size_t tableSize)
{
    std::vector<Network> takers;
    for (const Case& c : kCases)
        if (list < 2 || !IsButterfly(c.network))
            takers.push_back(c.network);
    const size_t place = static_cast<size_t>(std::find(takers.begin(), takers.end(), network) - takers.begin());
    const size_t begin = place * tableSize / takers.size();
    return {begin, (place + 1) * tableSize / takers.size() - begin};
}

class TypedTextFuzz : public testing::TestWithParam<Case>
{
};

// Most builds, each list takes the next text of its share; in between, items of the current
// size are typed (exactly or with a slip), items are chosen from the lists (with the
// handlers' clearing), lists are emptied, the tree height moves, and the sliders step through
// every size. After each build the records are checked; at the end every record has been
// freed, and routes and nestings were reached along the way.
TEST_P(TypedTextFuzz, TypedTextsThroughEveryListKeepTheRecordsSound)
{
    const Network network = GetParam().network;
    const std::vector<wxString>& table = Table();
    ASSERT_GE(table.size(), 100000u);
    std::vector<NetworkFacts> sizes;
    for (const Shape& shape : SliderShapes(network))
        sizes.emplace_back(shape);
    const long pointsBefore = Point::LiveCount();
    const long linesBefore = Line::LiveCount();

    Watchdog watchdog;
    g_progress.network = static_cast<int>(network);
    TypedTextSource dice(kTableSeed + 1 + static_cast<unsigned>(network));
    Session session(network, kTableSeed + 7 * static_cast<unsigned>(network));
    const int listCount = session.HasTopologyList() ? 3 : 2;
    size_t cursor[3] = {};
    size_t typed[3] = {};
    size_t share[3] = {};
    for (int list = 0; list < listCount; ++list)
    {
        const Share mine = ShareOf(network, list, table.size());
        cursor[list] = mine.begin;
        share[list] = mine.size;
    }
    auto unfinished = [&] {
        for (int list = 0; list < listCount; ++list)
            if (typed[list] < share[list])
                return true;
        return false;
    };

    PointList points;
    LineList lines;
    int faults = 0;
    long routed = 0;
    long nested = 0;
    size_t sizeIndex = 0;
    session.Resize(sizes[0].shape, false);
    for (long build = 0; unfinished() && faults < kReportedFaults; ++build)
    {
        if (build > 0 && build % kBuildsPerSize == 0)
        {
            sizeIndex = (sizeIndex + 1) % sizes.size();
            session.Resize(sizes[sizeIndex].shape, dice.Draw(4) == 0);
        }
        const NetworkFacts& facts = sizes[sizeIndex];
        for (int list = 0; list < listCount; ++list)
        {
            const std::vector<wxString>& items =
                list == 0 ? facts.startItems : list == 1 ? facts.finalItems : facts.topologyItems;
            const unsigned action = dice.Draw(100);
            if (action < 85)
            {
                session.Type(list, table[cursor[list]]);
                g_progress.cursor = static_cast<long>(cursor[list]);
                cursor[list] = (cursor[list] + 1) % table.size();
                ++typed[list];
            }
            else if (action < 91)
            {
                // An item of this very size typed in, or nearly: the closest a slip gets.
                if (!items.empty())
                {
                    const wxString& item = AnyOf(items, dice);
                    session.Type(list, dice.Draw(3) ? item : dice.NearMiss(item));
                }
            }
            else if (action < 94)
            {
                // kept as it was
            }
            else if (action < 98)
            {
                if (items.empty())
                    continue;
                if (list < 2)
                    session.PickEnd(list == 0, AnyOf(items, dice));
                else
                    session.PickTopology(AnyOf(items, dice));
            }
            else if (action < 99)
            {
                session.Type(list, wxString());
            }
            else if (network == Network::Hypercube)
            {
                session.MoveHeight(1 + static_cast<int>(dice.Draw(8)));
            }
        }

        g_progress.shape = static_cast<int>(sizeIndex);
        const std::string endsBefore = session.Ends();
        session.Build(&points, &lines);
        ++g_progress.builds;
        Roles roles;
        const std::string fault = CheckRecords(facts, session.Texts(), points, lines, &roles);
        routed += roles.routed;
        nested += roles.nested;
        if (!fault.empty())
        {
            ++faults;
            const ListTexts& texts = session.Texts();
            ADD_FAILURE() << Describe(facts.shape) << ", build " << build << ": " << fault << "\n  start "
                          << Printable(texts.start) << "\n  final " << Printable(texts.final) << "\n  topology "
                          << Printable(texts.topology) << "\n  before the build: " << endsBefore;
        }
        ClearOwned(points);
        ClearOwned(lines);
    }

    EXPECT_GT(routed, 0);
    if (session.HasTopologyList())
        EXPECT_GT(nested, 0);
    EXPECT_EQ(Point::LiveCount(), pointsBefore);
    EXPECT_EQ(Line::LiveCount(), linesBefore);
    std::printf("%ld builds with a route, %ld with a nesting\n", routed, nested);
}

INSTANTIATE_TEST_SUITE_P(EveryNetwork, TypedTextFuzz, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

} // namespace
