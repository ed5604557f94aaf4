#include "app/vendor.h"

namespace quotexa {

Vendor CompiledInVendor() {
    return Vendor{
        .companyName = "Marrowind",
        .telephone = "020-38881234",
        .fax = "020-38881235",
        .postalAddress = "广州市天河区科韵路88号",
        .catalogueHost = QUOTEXA_CATALOGUE_HOST,
        .webHost = QUOTEXA_WEB_HOST,
    };
}

}  // namespace quotexa
