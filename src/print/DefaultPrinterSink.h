#pragma once
// Puts a report on the system's default printer in the printer's own paper size. A system
// without any printer, or a printer that refuses the job, raises 68 (device unavailable).

#include "reports/ReportDocument.h"

namespace torval {

class DefaultPrinterSink : public PrintSink {
public:
    void print(const ReportDocument& document) override;
};

} // namespace torval
