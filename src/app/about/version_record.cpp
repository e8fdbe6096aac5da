#include "about/version_record.hpp"

#include "version_record_values.hpp"

namespace vertanum::app {

const std::vector<VersionEntry>& VersionRecord() {
    static const std::vector<VersionEntry> entries = {
        {"CompanyName", "Компания", VERTANUM_VR_COMPANY_NAME},
        {"FileDescription", "Описание", VERTANUM_VR_FILE_DESCRIPTION},
        {"FileVersion", "Версия файла", VERTANUM_VR_FILE_VERSION},
        {"InternalName", "Внутреннее имя", VERTANUM_VR_INTERNAL_NAME},
        {"LegalCopyright", "Авторские права", VERTANUM_VR_LEGAL_COPYRIGHT},
        {"LegalTrademarks", "Товарные знаки", VERTANUM_VR_LEGAL_TRADEMARKS},
        {"OriginalFilename", "Имя файла", VERTANUM_VR_ORIGINAL_FILE_NAME},
        {"ProductName", "Продукт", VERTANUM_VR_PRODUCT_NAME},
        {"ProductVersion", "Версия продукта", VERTANUM_VR_PRODUCT_VERSION},
        {"Comments", "Примечание", VERTANUM_VR_COMMENTS},
        {"BuildFlags", "Сборка", VERTANUM_VR_BUILD_FLAGS},
    };
    return entries;
}

}  // namespace vertanum::app
