#include "engine/source_traits.h"

#include <set>
#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

namespace
{
constexpr int kSignaturesExist = 1;
constexpr int kMaxFieldDepth = 32;
constexpr const char* kPdfAidNamespace = "http://www.aiim.org/pdfa/ns/id/";

bool IsSignedField(QPDFObjectHandle field, bool bInheritedSig, std::set<QPDFObjGen>& seen,
                   int depth)
{
    if (!field.isDictionary() || depth > kMaxFieldDepth)
        return false;
    if (field.isIndirect() && !seen.insert(field.getObjGen()).second)
        return false;
    QPDFObjectHandle type = field.getKey("/FT");
    const bool bSig = type.isName() ? type.getName() == "/Sig" : bInheritedSig;
    if (bSig && field.hasKey("/V") && !field.getKey("/V").isNull())
        return true;
    QPDFObjectHandle kids = field.getKey("/Kids");
    if (!kids.isArray())
        return false;
    for (int k = 0; k < kids.getArrayNItems(); ++k)
        if (IsSignedField(kids.getArrayItem(k), bSig, seen, depth + 1))
            return true;
    return false;
}

bool IsSigned(QPDF& pdf)
{
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle perms = root.getKey("/Perms");
    if (perms.isDictionary() && (perms.hasKey("/DocMDP") || perms.hasKey("/UR3")))
        return true;
    QPDFObjectHandle form = root.getKey("/AcroForm");
    if (!form.isDictionary())
        return false;
    QPDFObjectHandle flags = form.getKey("/SigFlags");
    if (flags.isInteger() && (flags.getIntValue() & kSignaturesExist))
        return true;
    QPDFObjectHandle fields = form.getKey("/Fields");
    if (!fields.isArray())
        return false;
    std::set<QPDFObjGen> seen;
    for (int k = 0; k < fields.getArrayNItems(); ++k)
        if (IsSignedField(fields.getArrayItem(k), false, seen, 0))
            return true;
    return false;
}

bool IsPdfA(QPDF& pdf)
{
    QPDFObjectHandle metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream())
        return false;
    auto data = metadata.getStreamData(qpdf_dl_generalized);
    return DeclaresPdfA(
        std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize()));
}

// The prefix the text binds to the PDF/A identification namespace, "pdfaid" by custom.
std::string PdfAidPrefix(const std::string& xmp)
{
    const size_t uri = xmp.find(kPdfAidNamespace);
    if (uri == std::string::npos)
        return "pdfaid";
    const size_t xmlns = xmp.rfind("xmlns:", uri);
    const size_t equals = xmp.find('=', xmlns);
    if (xmlns == std::string::npos || equals == std::string::npos || equals > uri)
        return "pdfaid";
    std::string prefix = xmp.substr(xmlns + 6, equals - xmlns - 6);
    while (!prefix.empty() && (prefix.back() == ' ' || prefix.back() == '\t'))
        prefix.pop_back();
    return prefix.empty() ? "pdfaid" : prefix;
}
} // namespace

bool DeclaresPdfA(const std::string& xmp)
{
    const std::string name = PdfAidPrefix(xmp) + ":part";
    for (size_t at = xmp.find(name); at != std::string::npos; at = xmp.find(name, at + 1))
    {
        // An attribute (part="1") or an element (<pdfaid:part>1<...), not pdfaid:partial.
        const size_t next = xmp.find_first_not_of(" \t\r\n", at + name.size());
        if (next != std::string::npos && (xmp[next] == '=' || xmp[next] == '>'))
            return true;
    }
    return false;
}

SourceTraits ReadSourceTraits(QPDF& pdf)
{
    SourceTraits traits;
    try
    {
        traits.bSigned = IsSigned(pdf);
    }
    catch (const std::exception&)
    {
    }
    try
    {
        traits.bPdfA = IsPdfA(pdf);
    }
    catch (const std::exception&)
    {
    }
    try
    {
        traits.bLinearized = pdf.isLinearized();
    }
    catch (const std::exception&)
    {
    }
    return traits;
}

bool HasRecordedWarnings(const QPDF& pdf)
{
    return pdf.anyWarnings();
}
