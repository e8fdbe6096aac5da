// Any bytes as a configuration file: reading must neither crash nor hang, an untouched document
// must write back exactly the bytes it was read from, and a key that is set reads back.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "config/configuration_file.hpp"
#include "config/ini_document.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    auto doc = vertanum::config::IniDocument::Parse(bytes);
    if (doc.Serialize() != bytes) std::abort();

    (void)doc.Get("DEVICES", "Type");
    (void)doc.Get("MEMORY", "$00FE");
    if (auto v = doc.Get("MEMORY", "$0000")) (void)vertanum::config::ParseProfileInteger(*v);

    doc.Set("MEMORY", "$0000", "17");
    doc.Set("DEVICES", "Type", "TKRV");
    auto again = vertanum::config::IniDocument::Parse(doc.Serialize());
    if (again.Get("MEMORY", "$0000") != std::optional<std::string>("17")) std::abort();
    if (again.Get("DEVICES", "Type") != std::optional<std::string>("TKRV")) std::abort();
    return 0;
}
