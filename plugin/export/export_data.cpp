#include "plugin/export/export_data.h"

#include <cstring>

ExportData sExportData;

bool exportWorking() { return sExportData.exporting == 1; }

void setPageBit(ExportData* data, int page) {
    if (data && page >= 1 && page <= kMaxExportPages) data->pageFlags[page] = 1;
}

void clearPageBit(ExportData* data, int page) {
    if (!data) return;
    if (page == 0) std::memset(data->pageFlags, 0, sizeof data->pageFlags);
    else if (page >= 1 && page <= kMaxExportPages) data->pageFlags[page] = 0;
}
