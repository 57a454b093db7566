#pragma once
// Comma-separated source files: a header line naming the columns, then one
// row a line. A field may be quoted ("Bog, The"), with "" for a quote inside.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// A source file the builder cannot use at all (missing column, broken quoting).
class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CsvRow {
    int line = 0; // the line of the file the row starts on, counting the header as 1
    std::vector<std::string> fields;
};

class CsvTable {
public:
    // Blank lines are skipped. Throws SourceError naming the file and line.
    static CsvTable parse(std::string_view text, std::string_view fileName);

    // The index of the named column; throws SourceError when the header lacks it.
    std::size_t column(std::string_view name) const;
    std::size_t columnCount() const { return header_.size(); }
    const std::vector<CsvRow>& rows() const { return rows_; }
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
    std::vector<std::string> header_;
    std::vector<CsvRow> rows_;
};

} // namespace tools
