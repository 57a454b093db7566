// The program beside the tool a family historian might use instead: the same
// generated records in SQLite, in memory and in a file on disk, indexed as a
// careful user would index them (name, county, easting and northing). Each
// question is timed three ways in one run, and the summary sets the program's
// time beside each SQLite answer.
//
// The SQL side does the work the command does: the name search compares
// without regard to case from the name's start, as Find First does; the county
// list and the radius search read the rows in record order and write the same
// lines to a file through the program's own file replacement. Only the SQLite
// side's report headings are its own. The SQL rows are checked against the
// program's report before anything is timed.
#include "app/program.h"
#include "driver/script_ports.h"
#include "generated_file.h"
#include "grid/distance.h"
#include "ratio_report.h"
#include "records/parish_record.h"
#include "started_program.h"
#include "text/ansi.h"
#include "text/file_replace.h"
#include "text/text_file.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const int kRecords = bench::recordsWanted();
bench::GeneratedDataFile* generated = nullptr;

// The questions asked of both.
constexpr const char* kNoSuchName = "Nowhere At All";
constexpr const char* kCounty = "lin";
constexpr double kCentreEast = 350, kCentreNorth = 450;
constexpr int kRadiusMiles = 10;

// ---------------------------------------------------------------- SQLite

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Ready to run again with new values.
    Statement& reset()
    {
        sqlite3_reset(statement_);
        return *this;
    }
    Statement& bind(int i, std::string_view text)
    {
        sqlite3_bind_text(statement_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& bind(int i, double value)
    {
        sqlite3_bind_double(statement_, i, value);
        return *this;
    }
    Statement& bind(int i, int value)
    {
        sqlite3_bind_int(statement_, i, value);
        return *this;
    }
    // True while there is a row; throws on an error.
    bool step()
    {
        int rc = sqlite3_step(statement_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(sqlite3_db_handle(statement_)));
        return false;
    }
    std::string_view text(int column) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return {bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
    }
    int integer(int column) const { return sqlite3_column_int(statement_, column); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

// The questions, each reading the columns in the order the reports print them.
// A name starting with a text, in any case: the names from ?1 up to ?2 (the
// text lower-cased with its last character one higher), which is how SQLite
// itself answers LIKE 'text%' from an index; a LIKE of a bound text would be
// prepared again on every new text.
const std::string kColumns = "name, type, county, country, osref, easting, northing";
const std::string kFindSql =
    "SELECT id, " + kColumns + " FROM parish WHERE name >= ?1 AND name < ?2 ORDER BY id LIMIT 1";
const std::string kCountySql = "SELECT " + kColumns + " FROM parish WHERE county = ?1 ORDER BY id";
const std::string kRadiusSql = "SELECT " + kColumns
                               + " FROM parish WHERE easting BETWEEN ?1 AND ?2 AND northing BETWEEN ?3 AND ?4"
                                 " AND country <> 'IRL' ORDER BY id";

// The records in a table of their own, with the indexes made after loading
// (as an import would), and the questions prepared once.
class Peer {
public:
    // ":memory:" or a file, which is made afresh.
    explicit Peer(const std::filesystem::path& where)
    {
        if (where != ":memory:")
            std::filesystem::remove(where);
        sqlite3* db = nullptr;
        // One thread uses it: no locking of its own on every call.
        const int opened = sqlite3_open_v2(where.c_str(), &db,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        db_.reset(db); // closed however the making ends
        if (opened != SQLITE_OK)
            throw std::runtime_error("cannot open " + where.string());
        // The name and county compare without regard to case, as the program's searches do.
        exec("CREATE TABLE parish (id INTEGER PRIMARY KEY, name TEXT COLLATE NOCASE, type TEXT,"
             " county TEXT COLLATE NOCASE, country TEXT, osref TEXT, easting INTEGER, northing INTEGER)");
        load();
        exec("CREATE INDEX parish_name ON parish (name)");
        exec("CREATE INDEX parish_county ON parish (county)");
        exec("CREATE INDEX parish_grid ON parish (easting, northing)");
        exec("ANALYZE");
        findName_ = std::make_unique<Statement>(db_.get(), kFindSql);
        county_ = std::make_unique<Statement>(db_.get(), kCountySql);
        radius_ = std::make_unique<Statement>(db_.get(), kRadiusSql);
    }

    Statement& findName() { return *findName_; }
    Statement& county() { return *county_; }
    Statement& radius() { return *radius_; }

    // How SQLite answers each question (each should search an index).
    std::vector<std::string> plans()
    {
        std::vector<std::string> out;
        for (const std::string& sql : {kFindSql, kCountySql, kRadiusSql}) {
            Statement plan(db_.get(), "EXPLAIN QUERY PLAN " + sql);
            std::string lines;
            while (plan.step())
                lines += std::string(lines.empty() ? "" : "; ") + std::string(plan.text(3));
            out.push_back(lines);
        }
        return out;
    }

private:
    void exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string why = error ? error : "unknown error";
            sqlite3_free(error);
            throw std::runtime_error(why);
        }
    }

    // Every parish of the data file (not its version record), its texts
    // trimmed and its grid numbers as numbers, in one transaction.
    void load()
    {
        using records::Field;
        exec("BEGIN");
        Statement insert(db_.get(), "INSERT INTO parish VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
        const auto table = records::recordsOf(text::readFile(generated->path()));
        for (std::size_t i = 1; i < table.size(); ++i) {
            const records::ParishRecord& r = table[i];
            insert.reset()
                .bind(1, static_cast<int>(i))
                .bind(2, text::trim(r.name()))
                .bind(3, r.get(Field::Type))
                .bind(4, r.get(Field::County))
                .bind(5, r.get(Field::Country))
                .bind(6, r.get(Field::OSRef))
                .bind(7, std::atoi(std::string(r.get(Field::Easting)).c_str()))
                .bind(8, std::atoi(std::string(r.get(Field::Northing)).c_str()));
            insert.step();
        }
        exec("COMMIT");
    }

    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Close> db_;
    // Finalized before the database closes.
    std::unique_ptr<Statement> findName_, county_, radius_;
};

Peer* inMemory = nullptr;
Peer* onDisk = nullptr;

// The number of the first record whose name starts with the text, whatever
// the case; 0 for none (record 0 holds no parish).
int firstStartingWith(Peer& peer, std::string_view text)
{
    std::string from(text);
    for (char& c : from)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string upTo = from;
    ++upTo.back();
    Statement& query = peer.findName().reset().bind(1, std::string_view(from)).bind(2, std::string_view(upTo));
    const int found = query.step() ? query.integer(0) : 0;
    query.reset(); // no read left open between questions
    return found;
}

// The report lines are built in place, as the program builds its own: the
// text and then blanks up to the width, or a number after blanks.
void appendLeft(std::string& out, std::string_view text, std::size_t width)
{
    out += text;
    if (text.size() < width)
        out.append(width - text.size(), ' ');
}

void appendNumber(std::string& out, int number, std::size_t width)
{
    char digits[16];
    const auto length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, number).ptr - digits);
    if (length < width)
        out.append(width - length, ' ');
    out.append(digits, length);
}

// A report: a heading, the lines of the rows, a count. The rows' lines are
// what the program's report must hold too.
struct Listing {
    std::string report, plot;
    std::size_t linesBegin = 0, linesEnd = 0;
    int listed = 0;
    std::string_view lines() const { return std::string_view(report).substr(linesBegin, linesEnd - linesBegin); }
};

// The county's rows in record order, each line as the program prints it.
Listing countyListing(Peer& peer)
{
    Listing out;
    std::string& r = out.report;
    r = "County " + std::string(kCounty) + "\r\n";
    out.linesBegin = r.size();
    Statement& query = peer.county().reset().bind(1, std::string_view(kCounty));
    while (query.step()) {
        r += "      ";
        appendLeft(r, query.text(0), 46);
        for (int column = 1; column < 5; ++column) {
            r += query.text(column);
            r += ' ';
        }
        appendNumber(r, query.integer(5), 6);
        r += ' ';
        appendNumber(r, query.integer(6), 6);
        r += " \r\n";
        ++out.listed;
    }
    out.linesEnd = r.size();
    r += std::to_string(out.listed) + " listed\r\n";
    return out;
}

// The rows in the square around the circle, then the exact distance measured
// as the program measures it; the hits' report and plot lines as the program writes them.
Listing radiusListing(Peer& peer)
{
    const double reach = kRadiusMiles / grid::kMilesPerKm + 1;
    Listing out;
    std::string& r = out.report;
    r = "Within " + std::to_string(kRadiusMiles) + " miles\r\n";
    out.linesBegin = r.size();
    Statement& query = peer.radius()
                           .reset()
                           .bind(1, kCentreEast - reach)
                           .bind(2, kCentreEast + reach)
                           .bind(3, kCentreNorth - reach)
                           .bind(4, kCentreNorth + reach);
    while (query.step()) {
        const int east = query.integer(5), north = query.integer(6);
        const double miles = grid::distanceKm(kCentreEast, kCentreNorth, east, north) * grid::kMilesPerKm;
        if (kRadiusMiles < miles)
            continue;
        ++out.listed;
        r += "   ";
        appendLeft(r, query.text(0), 46);
        r += query.text(1);
        for (int column = 2; column < 5; ++column) {
            r += ' ';
            r += query.text(column);
        }
        r += grid::formatFixed(miles, 6, 1);
        r += ' ';
        r += east == kCentreEast && north == kCentreNorth
                 ? std::string_view(" ")
                 : grid::compassName(grid::bearing(kCentreEast, kCentreNorth, east, north));
        r += "\r\n";
        appendLeft(out.plot, query.text(0).substr(0, 15), 15);
        appendNumber(out.plot, east, 6);
        appendNumber(out.plot, north, 6);
        out.plot += query.text(2);
        out.plot += "\r\n";
    }
    out.linesEnd = r.size();
    return out;
}

// ---------------------------------------------------------------- the program

// The program after start, with a person who sees and hears nothing, its
// commands reached through the main window's controls (as bench_records).
struct StartedCore : bench::StartedProgram {
    StartedCore() : StartedProgram(generated->folder()) {}

    void findFirst()
    {
        set("TarPar", kNoSuchName);
        click("FindFirst");
    }
    void countyList()
    {
        set("TarPar", kCounty);
        answerYes();
        click("SelectedCounty1");
        closeViewer();
    }
    void radiusSearch()
    {
        set("Parish1", "Middle, P, LEI, ENG");
        set("Parish1East", "   350");
        set("Parish1North", "   450");
        set("Radius", std::to_string(kRadiusMiles));
        click("ParishGroup");
    }
};

// The program's reports of the county list and the radius search, taken once
// before the timing, for the SQL rows to be checked against.
struct ProgramReports {
    std::string countyList, radius;
};
ProgramReports programReports;

// ---------------------------------------------------------------- the questions

void programFindNoMatch(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state)
        started.findFirst();
    if (started.core.currentRecord() != 0)
        state.SkipWithError("a record matched");
}

void sqlFindNoMatch(benchmark::State& state, Peer& peer)
{
    int found = 0;
    for ([[maybe_unused]] auto _ : state) {
        found = firstStartingWith(peer, kNoSuchName);
        benchmark::DoNotOptimize(found);
    }
    if (found != 0)
        state.SkipWithError("a record matched");
}

void programCountyList(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state)
        started.countyList();
    state.counters["listed"] = std::stod(started.core.view().Hits);
}

void sqlCountyList(benchmark::State& state, Peer& peer)
{
    const std::filesystem::path report = generated->folder() / "peer" / "ParList.txt";
    Listing listing;
    for ([[maybe_unused]] auto _ : state) {
        listing = countyListing(peer);
        text::replaceFile(report, listing.report, text::Sync::Lazy);
    }
    if (programReports.countyList.find(listing.lines()) == std::string::npos)
        state.SkipWithError("the rows differ from the program's list");
    state.counters["listed"] = listing.listed;
}

void programRadius(benchmark::State& state)
{
    StartedCore started;
    for ([[maybe_unused]] auto _ : state)
        started.radiusSearch();
    state.counters["hits"] = std::stod(started.core.view().Hits);
}

void sqlRadius(benchmark::State& state, Peer& peer)
{
    const std::filesystem::path folder = generated->folder() / "peer";
    Listing listing;
    for ([[maybe_unused]] auto _ : state) {
        listing = radiusListing(peer);
        const text::FileContent written[] = {{folder / "ParList.txt", listing.report},
                                             {folder / "PlotList.txt", listing.plot}};
        text::replaceFiles(written, text::Sync::Lazy);
    }
    if (listing.listed == 0 || !programReports.radius.ends_with(listing.lines()))
        state.SkipWithError("the hits differ from the program's report");
    state.counters["hits"] = listing.listed;
}

// Each question, asked of the program (no peer) or of an SQLite.
void FindNoMatch(benchmark::State& state, Peer* const* peer)
{
    peer ? sqlFindNoMatch(state, **peer) : programFindNoMatch(state);
}
void CountyList(benchmark::State& state, Peer* const* peer)
{
    peer ? sqlCountyList(state, **peer) : programCountyList(state);
}
void Radius(benchmark::State& state, Peer* const* peer)
{
    peer ? sqlRadius(state, **peer) : programRadius(state);
}

BENCHMARK_CAPTURE(FindNoMatch, Program, nullptr)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FindNoMatch, SqlMemory, &inMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(FindNoMatch, SqlDisk, &onDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CountyList, Program, nullptr)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CountyList, SqlMemory, &inMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CountyList, SqlDisk, &onDisk)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Radius, Program, nullptr)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Radius, SqlMemory, &inMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Radius, SqlDisk, &onDisk)->Unit(benchmark::kMicrosecond);

// The program's time beside one SQLite's, for each question: the goal is at
// least the speed of SQLite in memory.
void printTable(const std::vector<std::pair<std::string, double>>& times, const std::string& peer, bool goal)
{
    std::vector<std::pair<std::string, double>> rows;
    std::vector<bench::Goal> goals;
    for (const auto& timed : times) {
        const std::string& name = timed.first;
        const std::string question = name.substr(0, name.find('/'));
        if (name.ends_with("/Program")) {
            rows.push_back(timed);
            goals.push_back({name, goal ? bench::Goal::Kind::AtMostTimesBaseline : bench::Goal::Kind::Beside, 1,
                             question + "/" + peer});
        } else if (name.ends_with("/" + peer)) {
            rows.push_back(timed);
        }
    }
    std::cout << "\nThe program against SQLite " << (peer == "SqlMemory" ? "in memory" : "on disk") << ":";
    bench::printSummary(std::cout, rows, "", goals);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    std::unique_ptr<bench::GeneratedDataFile> file;
    std::unique_ptr<Peer> memory, disk;
    try {
        file = std::make_unique<bench::GeneratedDataFile>(kRecords);
        generated = file.get();
        std::filesystem::create_directories(file->folder() / "peer");
        memory = std::make_unique<Peer>(":memory:");
        disk = std::make_unique<Peer>(file->folder() / "parishes.sqlite");
        // The search folds the case both ways and finds the first record in file order.
        if (firstStartingWith(*memory, "bARTON 1") != 1 || firstStartingWith(*disk, "ashby 8") != 8)
            throw std::runtime_error("the name search finds the wrong record");
        StartedCore started;
        started.countyList();
        programReports.countyList = text::readFile(file->folder() / "ParList.txt");
        started.radiusSearch();
        programReports.radius = text::readFile(file->folder() / "ParList.txt");
        std::cout << "SQLite " << sqlite3_libversion() << " plans:\n";
        for (const std::string& plan : memory->plans())
            std::cout << "  " << plan << "\n";
    } catch (const std::exception& e) {
        std::cerr << "bench_peers: cannot prepare the data: " << e.what() << "\n";
        return 1;
    }
    inMemory = memory.get();
    onDisk = disk.get();

    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    printTable(reporter.times(), "SqlMemory", true);
    printTable(reporter.times(), "SqlDisk", false);
    generated = nullptr;
    inMemory = onDisk = nullptr;
    return reporter.anyError() ? 1 : 0;
}
