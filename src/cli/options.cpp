#include "cli/options.h"

#include "services/catalogue.h"

namespace {

// A number from 1 to 12 or a radio key; 0 when it is neither.
int ServiceFromArgument(const std::string& value) {
    if (const Service* byKey = ServiceByKey(value)) return byKey->id;
    if (value.empty() || value.size() > 2 || value.find_first_not_of("0123456789") != value.npos) {
        return 0;
    }
    const Service* byNumber = ServiceById(std::stoi(value));
    return byNumber ? byNumber->id : 0;
}

}  // namespace

CliOptions ParseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    bool onlyAddresses = false;
    for (size_t i = 0; i < arguments.size() && options.error.empty(); i++) {
        const std::string& a = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (onlyAddresses || a.empty() || a[0] != '-') {
            options.addresses.push_back(a);
        } else if (a == "--") {
            onlyAddresses = true;
        } else if (a == "-h" || a == "--help") {
            options.mode = CliMode::kHelp;
        } else if ((a == "-s" || a == "--service") && hasValue) {
            options.service = ServiceFromArgument(arguments[++i]);
            if (!options.service) options.error = "unknown service: " + arguments[i];
        } else if (a == "--all") {
            options.mode = CliMode::kAll;
        } else if (a == "--expand") {
            options.mode = CliMode::kExpand;
        } else if (a == "--connect-to" && hasValue) {
            options.connectTo = arguments[++i];
        } else if (a == "--demo") {
            options.demo = true;
        } else {
            options.error = "unknown option: " + a;
        }
    }
    return options;
}
