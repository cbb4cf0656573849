#include "base/FormatText.h"

std::string FormatText(const std::string& format, const std::vector<std::string>& args) {
    std::string result;
    result.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        char c = format[i];
        if (c == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            std::size_t index = static_cast<std::size_t>(format[i + 1] - '1');
            if (index < args.size())
                result += args[index];
            ++i;
        } else {
            result += c;
        }
    }
    return result;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            fields.push_back(text.substr(start));
            return fields;
        }
        fields.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}
