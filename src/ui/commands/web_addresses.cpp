#include "ui/commands/web_addresses.h"

#include "case/page_catalogue.h"

namespace wm4 {

QUrl TaxFormUrl(int tag) {
    for (const TaxFormDocument& form : TaxFormDocuments())
        if (form.tag == tag)
            return QUrl(TaxAuthoritySite.toString() + QString::fromLatin1(form.webPath));
    return {};
}

QUrl QuoteUrl(const QString& prefix, const QString& symbol) {
    return QUrl(prefix.trimmed() + symbol.trimmed(), QUrl::TolerantMode);
}

}  // namespace wm4
