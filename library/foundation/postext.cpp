#include <exception>
#include <string>

#include "library/foundation/helpers.h"
#include "platform/base/sysutils.h"

namespace {

// Field Index (0-based) of a '|'-separated item, trimmed; false when the item has fewer bars.
bool ItemField(const std::string& Item, int Index, std::string& Field) {
  size_t start = 0;
  for (int k = 0; k < Index; ++k) {
    size_t bar = Item.find('|', start);
    if (bar == std::string::npos) return false;
    start = bar + 1;
  }
  size_t end = Item.find('|', start);
  Field = Item.substr(start, end == std::string::npos ? std::string::npos : end - start);
  TrimBlanks(Field);
  return true;
}

}  // namespace

std::string TrimBlanks(std::string& Text) {
  size_t first = Text.find_first_not_of(' ');
  if (first == std::string::npos) {
    Text.clear();
  } else {
    Text.erase(Text.find_last_not_of(' ') + 1);
    Text.erase(0, first);
  }
  return Text;
}

std::string PosItemText(const std::string& Item) {
  std::string field;
  ItemField(Item, 0, field);
  return field;
}

int32_t PosItemInteger(const std::string& Item) {
  std::string field;
  int32_t value = 0;
  if (!ItemField(Item, 1, field) || !TryStrToInt(field, value)) return 0;
  return value;
}

TColor PosItemColor(const std::string& Item) {
  std::string field;
  if (!ItemField(Item, 1, field)) return 0;
  try {
    return StringToColor(field);
  } catch (const std::exception&) {
    return 0;
  }
}

double PosItemFloat(const std::string& Item) {
  std::string field;
  if (!ItemField(Item, 2, field) || field.empty()) return 0;
  char other = 0;
  if (DecimalSeparator == '.') other = ',';
  if (DecimalSeparator == ',') other = '.';
  if (other != 0) {
    size_t pos = field.find(other);
    if (pos != std::string::npos) field[pos] = DecimalSeparator;
  }
  double value = 0;
  if (!TryStrToFloat(field, value)) return 0;
  return value;
}
