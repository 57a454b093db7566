#include "record_line.h"

#include "text/columns.h"

namespace records {

std::string recordLine(const ParishRecord& r)
{
    std::string line = text::padRight(r.get(Field::Name), 45);
    line.reserve(96);
    line += "  ";
    line += r.get(Field::Type);
    line += "  ";
    line += r.get(Field::County);
    line += "   ";
    line += r.get(Field::Country);
    line += "   ";
    line += r.get(Field::OSRef);
    line += r.get(Field::Easting);
    line += ' ';
    line += r.get(Field::Northing);
    return line;
}

} // namespace records
