#include "csv_table.h"

namespace tools {
namespace {

// Reads the fields of the record starting at pos and moves pos past its line end.
class RecordReader {
public:
    RecordReader(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int line() const { return line_; }

    // The next record (an empty vector for a blank line).
    std::vector<std::string> next()
    {
        std::vector<std::string> fields;
        if (atLineEnd()) {
            skipLineEnd();
            return fields;
        }
        for (;;) {
            fields.push_back(field());
            if (atEnd() || atLineEnd()) {
                skipLineEnd();
                return fields;
            }
            ++pos_; // the comma
        }
    }

private:
    bool atLineEnd() const { return !atEnd() && (text_[pos_] == '\r' || text_[pos_] == '\n'); }

    void skipLineEnd()
    {
        if (!atEnd() && text_[pos_] == '\r')
            ++pos_;
        if (!atEnd() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    std::string field()
    {
        std::string out;
        if (atEnd() || text_[pos_] != '"') {
            while (!atEnd() && text_[pos_] != ',' && !atLineEnd())
                out += text_[pos_++];
            return out;
        }
        int startLine = line_;
        ++pos_; // the opening quote
        for (;;) {
            if (atEnd())
                throw SourceError(fileName_ + " line " + std::to_string(startLine)
                                  + ": a quoted field is never closed");
            char c = text_[pos_++];
            if (c == '\n')
                ++line_;
            if (c != '"') {
                out += c;
            } else if (!atEnd() && text_[pos_] == '"') {
                out += '"';
                ++pos_;
            } else {
                break;
            }
        }
        if (!atEnd() && text_[pos_] != ',' && !atLineEnd())
            throw SourceError(fileName_ + " line " + std::to_string(line_) + ": text follows a closing quote");
        return out;
    }

    std::string_view text_;
    std::string fileName_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

CsvTable CsvTable::parse(std::string_view text, std::string_view fileName)
{
    CsvTable table;
    table.fileName_ = fileName;
    RecordReader reader(text, fileName);
    while (!reader.atEnd()) {
        int line = reader.line();
        std::vector<std::string> fields = reader.next();
        if (fields.empty())
            continue;
        if (table.header_.empty())
            table.header_ = std::move(fields);
        else
            table.rows_.push_back({line, std::move(fields)});
    }
    if (table.header_.empty())
        throw SourceError(table.fileName_ + ": no header line");
    return table;
}

std::size_t CsvTable::column(std::string_view name) const
{
    for (std::size_t i = 0; i < header_.size(); ++i)
        if (header_[i] == name)
            return i;
    throw SourceError(fileName_ + ": no column \"" + std::string(name) + "\"");
}

} // namespace tools
