// The floors the benchmarks print beside their figures, measured in the same run: the time SQLite
// itself takes for the least the measured operation has to do, so that the ratio between the two
// can be read directly on a shared, loaded machine. Each floor is the best of three timings (of
// one in a smoke run, BenchRun.h).
#pragma once

#include "bench/BenchRun.h"
#include "common/Recordset.h"
#include "server/data/Connection.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qel::bench {

inline int floorTimings() {
    return smokeRun() ? 1 : 3;
}

inline double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Steps around the inserts of a write floor: `before` runs after the rows were taken out and
// before the clock starts, `within` inside the timed transaction after the inserts.
struct FloorSteps {
    std::function<void()> before;
    std::function<void()> within;
};

// The floor of writing the rows of several tables together: the rows each (table, where) selects
// (where is " WHERE ...", or empty for all) are taken out and inserted again, one prepared
// statement per table re-bound per row, all in one transaction. The tables end as they were.
// Seconds.
inline double insertFloor(Connection& conn, const std::vector<std::pair<std::string, std::string>>& tables,
                          const FloorSteps& steps = {}) {
    // A smoke run proves that the floor writes back exactly the rows it took out.
    const auto kept = [](std::size_t i) { return "temp.floorKept" + std::to_string(i); };
    if (smokeRun())
        for (std::size_t i = 0; i < tables.size(); ++i)
            conn.execute("CREATE TEMP TABLE " + kept(i).substr(5) + " AS SELECT * FROM " + tables[i].first +
                         tables[i].second);
    // The rows taken out are held as a recordset holds them, nine bytes a value and the texts.
    std::vector<std::pair<Recordset, std::string>> writes;
    for (const auto& [table, where] : tables) {
        Recordset rows = conn.query("SELECT * FROM " + table + where);
        std::string sql = "INSERT INTO " + table + " VALUES (";
        for (std::size_t c = 0; c < rows.fieldCount(); ++c)
            sql += c == 0 ? "?" : ", ?";
        writes.emplace_back(std::move(rows), sql + ")");
    }
    double best = 1e9;
    for (int i = 0; i < floorTimings(); ++i) {
        for (const auto& [table, where] : tables)
            conn.execute("DELETE FROM " + table + where);
        if (steps.before)
            steps.before();
        const auto start = std::chrono::steady_clock::now();
        Transaction tx(conn);
        for (const auto& [rows, sql] : writes) {
            Statement insert = conn.prepare(sql);
            for (std::size_t r = 0; r < rows.RecordCount(); ++r) {
                for (std::size_t c = 0; c < rows.fieldCount(); ++c)
                    insert.bind(static_cast<int>(c) + 1, rows.value(r, c));
                insert.run();
                insert.reset();
            }
        }
        if (steps.within)
            steps.within();
        tx.commit();
        best = std::min(best, secondsSince(start));
    }
    if (smokeRun())
        for (std::size_t i = 0; i < tables.size(); ++i) {
            const std::string rows = "SELECT * FROM " + tables[i].first + tables[i].second;
            const std::string differing = "SELECT count(*) FROM (" + rows + " EXCEPT SELECT * FROM " +
                                          kept(i) + ") UNION ALL SELECT count(*) FROM (SELECT * FROM " +
                                          kept(i) + " EXCEPT " + rows + ")";
            const Recordset counts = conn.query(differing);
            for (const auto& count : counts.rows())
                if (count.at(0).toInt64() != 0)
                    throw std::logic_error("the floor did not write back the rows of " + tables[i].first);
            conn.execute("DROP TABLE " + kept(i));
        }
    return best;
}

// The same for the rows of one table.
inline double insertFloor(Connection& conn, const std::string& table, const std::string& where = {},
                          const FloorSteps& steps = {}) {
    return insertFloor(conn, {{table, where}}, steps);
}

// The floor of answering with rows: the same rows and fields read back into a recordset by one
// plain query from a temporary table that holds exactly them. Seconds.
inline double readFloor(Connection& conn, const Recordset& answer) {
    std::string columns;
    std::string marks;
    for (std::size_t c = 0; c < answer.fieldCount(); ++c) {
        columns += (c == 0 ? "c" : ", c") + std::to_string(c);
        marks += c == 0 ? "?" : ", ?";
    }
    conn.execute("DROP TABLE IF EXISTS temp.floorRows");
    conn.execute("CREATE TEMP TABLE floorRows (" + columns + ")");
    {
        Transaction tx(conn);
        Statement insert = conn.prepare("INSERT INTO temp.floorRows VALUES (" + marks + ")");
        for (const auto& row : answer.rows()) {
            for (std::size_t c = 0; c < row.size(); ++c)
                insert.bind(static_cast<int>(c) + 1, row[c]);
            insert.run();
            insert.reset();
        }
        tx.commit();
    }
    double best = 1e9;
    for (int i = 0; i < floorTimings(); ++i) {
        const auto start = std::chrono::steady_clock::now();
        const Recordset read = conn.query("SELECT * FROM temp.floorRows");
        best = std::min(best, secondsSince(start));
        if (read.RecordCount() != answer.RecordCount())
            return 0;
    }
    conn.execute("DROP TABLE temp.floorRows");
    return best;
}

// The floor of sorting a list: a stable sort of as many plain doubles as the list has rows, from
// a shuffled order (a list is sorted from whatever order it shows, which for another column than
// the last one sorted has nothing to do with this one). Seconds, best of three.
inline double sortFloor(std::int64_t count) {
    double best = 1e9;
    for (int i = 0; i < floorTimings(); ++i) {
        std::vector<double> values(static_cast<std::size_t>(count));
        std::iota(values.begin(), values.end(), 0.0);
        std::shuffle(values.begin(), values.end(), std::mt19937(static_cast<unsigned>(i)));
        const auto start = std::chrono::steady_clock::now();
        std::stable_sort(values.begin(), values.end());
        best = std::min(best, secondsSince(start));
        // The sorted values are read, so the sort cannot be left out.
        [[maybe_unused]] volatile double first = values.front();
    }
    return best;
}

// The size of the values a query returned, in megabytes: each text's bytes, eight bytes for any
// other value; what holding the answer needs at the least.
inline double answerMB(const Recordset& answer) {
    double bytes = 0;
    for (std::size_t r = 0; r < answer.RecordCount(); ++r)
        for (std::size_t c = 0; c < answer.fieldCount(); ++c)
            bytes +=
                answer.kind(r, c) == ValueKind::Text ? static_cast<double>(answer.text(r, c).size()) : 8.0;
    return bytes / (1024.0 * 1024.0);
}

// The memory the recordset takes to hold the answer, in megabytes.
inline double heldMB(const Recordset& answer) {
    return static_cast<double>(answer.heldBytes()) / (1024.0 * 1024.0);
}

} // namespace qel::bench
