// The vendor's fixed texts: its name, numbers and hosts. Built once from the
// values compiled in at configure time; tests pass their own value so that
// pictures and pages come from their loopback server.
#pragma once

#include <string>

namespace quotexa {

struct Vendor {
    std::string companyName;
    std::string telephone;
    std::string fax;
    std::string postalAddress;
    std::string catalogueHost;  // the catalogue server's host name
    std::string webHost;        // host[:port] of the pages and the picture folder

    // The web site's address: scheme and host only, no trailing slash.
    std::string WebSiteAddress() const { return "http://" + webHost; }
};

// The vendor this build was configured for.
Vendor CompiledInVendor();

}  // namespace quotexa
