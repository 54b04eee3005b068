#include "benchdata.h"

#include <fstream>

#include <algorithm>
#include "base/installfiles.h"
#include "base/text.h"

namespace qz::bench {

std::shared_ptr<const TCtyStuff> SystemCty() {
    static const std::shared_ptr<const TCtyStuff> cty =
        FileExists(kSystemCountryFile) ? std::make_shared<const TCtyStuff>(kSystemCountryFile) : nullptr;
    return cty;
}

std::shared_ptr<const TCtyStuff> SystemCtyOrSmall() {
    static const std::shared_ptr<const TCtyStuff> cty = []() -> std::shared_ptr<const TCtyStuff> {
        if (auto system = SystemCty()) return system;
        return TCtyStuff::FromText(
            "Fed. Rep. of Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\r\n    DA,DB,DC,DD,DE,DF,DG,DH,DI,DJ,DK,DL;\r\n"
            "United States: 05: 08: NA: 37.53: 91.67: 5.0: K:\r\n    AA,K,N,W;\r\n",
            "bench.dat");
    }();
    return cty;
}

const std::vector<std::string>& MasterCalls() {
    static const std::vector<std::string> calls = [] {
        std::vector<std::string> r;
        std::ifstream in(kMasterScpFile, std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            std::string call = Trim(line);
            if (!call.empty() && call[0] != '#') r.push_back(UpperCase(call));
        }
        return r;
    }();
    return calls;
}

std::vector<std::string> RealCalls(std::size_t count) {
    const auto& master = MasterCalls();
    std::vector<std::string> v(master.begin(),
                               master.begin() + static_cast<std::ptrdiff_t>(std::min(count, master.size())));
    for (std::size_t i = v.size(); i < count; ++i)
        v.push_back(Format("W%d%c%c%c", static_cast<int>(i % 10), static_cast<char>('A' + i / 10 % 26),
                           static_cast<char>('A' + i / 260 % 26), static_cast<char>('A' + i / 6760 % 26)));
    return v;
}

}  // namespace qz::bench
