#include "pdf_factory.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_DCT.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "scratch.h"

namespace
{
constexpr int kPictureSide = 400;

// One noisy photograph-like JPEG; noise keeps it from shrinking to nothing.
const std::string& SamplePicture()
{
    static const std::string jpeg = []
    {
        std::vector<unsigned char> rgb(kPictureSide * kPictureSide * 3);
        unsigned seed = 12345;
        for (int y = 0; y < kPictureSide; ++y)
            for (int x = 0; x < kPictureSide; ++x)
            {
                seed = seed * 1103515245u + 12345u;
                unsigned noise = (seed >> 16) & 0x3f;
                unsigned char* p = &rgb[(y * kPictureSide + x) * 3];
                p[0] = static_cast<unsigned char>((x * 255 / kPictureSide + noise) & 0xff);
                p[1] = static_cast<unsigned char>((y * 255 / kPictureSide + noise * 2) & 0xff);
                p[2] =
                    static_cast<unsigned char>(((x + y) * 127 / kPictureSide + noise * 3) & 0xff);
            }
        Pl_Buffer out("jpeg");
        Pl_DCT dct("dct", &out, kPictureSide, kPictureSide, 3, JCS_RGB);
        dct.write(rgb.data(), rgb.size());
        dct.finish();
        auto buf = out.getBufferSharedPointer();
        return std::string(reinterpret_cast<const char*>(buf->getBuffer()), buf->getSize());
    }();
    return jpeg;
}

std::string PageContent(int page, int lines, bool withPicture)
{
    std::string content;
    if (withPicture)
        content += "q 400 0 0 400 100 300 cm /Im1 Do Q\n";
    content += "BT /F1 12 Tf 72 760 Td 14 TL\n";
    for (int i = 0; i < lines; ++i)
    {
        char line[160];
        std::snprintf(line, sizeof line,
                      "(Page %d, line %d: the quick brown fox jumps over the lazy dog.) '\n",
                      page + 1, i + 1);
        content += line;
    }
    content += "ET\n";
    return content;
}
} // namespace

size_t MakePdf(const std::string& path, const PdfRecipe& recipe)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pages(pdf);
    QPDFObjectHandle font = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));

    const std::string& picture = SamplePicture();
    size_t picturesLeft =
        recipe.imageBytes == 0 ? 0 : (recipe.imageBytes + picture.size() - 1) / picture.size();
    int pageCount = recipe.pages;
    if (static_cast<size_t>(pageCount) < picturesLeft)
        pageCount = static_cast<int>(picturesLeft);

    for (int i = 0; i < pageCount; ++i)
    {
        bool withPicture = picturesLeft > 0;
        QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
        resources.getKey("/Font").replaceKey("/F1", font);
        if (withPicture)
        {
            --picturesLeft;
            QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf, picture);
            image.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
            image.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
            image.getDict().replaceKey("/Width", QPDFObjectHandle::newInteger(kPictureSide));
            image.getDict().replaceKey("/Height", QPDFObjectHandle::newInteger(kPictureSide));
            image.getDict().replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceRGB"));
            image.getDict().replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
            image.getDict().replaceKey("/Filter", QPDFObjectHandle::newName("/DCTDecode"));
            resources.replaceKey("/XObject", QPDFObjectHandle::parse("<< >>"));
            resources.getKey("/XObject").replaceKey("/Im1", image);
        }
        QPDFObjectHandle page = pdf.makeIndirectObject(
            QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>"));
        page.replaceKey("/Resources", resources);
        page.replaceKey("/Contents",
                        QPDFObjectHandle::newStream(
                            &pdf, PageContent(i, recipe.textLinesPerPage, withPicture)));
        if (i == 0 && recipe.smallObjects > 0)
        {
            QPDFObjectHandle annots = QPDFObjectHandle::newArray();
            for (int a = 0; a < recipe.smallObjects; ++a)
            {
                char text[200];
                std::snprintf(text, sizeof text,
                              "<< /Type /Annot /Subtype /Link /Rect [%d %d %d %d] /Border [0 0 "
                              "0] /A << /S /URI /URI (https://example.org/%d) >> >>",
                              a % 500, a % 700, a % 500 + 10, a % 700 + 10, a);
                annots.appendItem(pdf.makeIndirectObject(QPDFObjectHandle::parse(text)));
            }
            page.replaceKey("/Annots", annots);
        }
        pages.addPage(page, false);
    }

    if (recipe.bSigned)
    {
        QPDFObjectHandle field = pdf.makeIndirectObject(QPDFObjectHandle::parse(
            "<< /FT /Sig /T (Signature1) /Type /Annot /Subtype /Widget /Rect [0 0 0 0] /F 132 "
            "/V << /Type /Sig /Filter /Adobe.PPKLite /SubFilter /adbe.pkcs7.detached "
            "/ByteRange [0 100 200 300] /Contents <3082000000> >> >>"));
        QPDFObjectHandle first = pdf.getAllPages().front();
        first.replaceKey("/Annots", QPDFObjectHandle::newArray({field}));
        QPDFObjectHandle form = QPDFObjectHandle::parse("<< /SigFlags 3 >>");
        form.replaceKey("/Fields", QPDFObjectHandle::newArray({field}));
        pdf.getRoot().replaceKey("/AcroForm", form);
    }
    if (recipe.bPdfA)
    {
        QPDFObjectHandle metadata = QPDFObjectHandle::newStream(
            &pdf, "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
                  "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                  "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                  "<rdf:Description rdf:about=\"\" "
                  "xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">"
                  "<pdfaid:part>2</pdfaid:part><pdfaid:conformance>B</pdfaid:conformance>"
                  "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>");
        metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
        metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
        pdf.getRoot().replaceKey("/Metadata", metadata);
    }

    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setStaticID(true);
    writer.setLinearization(recipe.bLinearized);
    if (recipe.bEncrypt)
        writer.setR6EncryptionParameters(recipe.userPassword.c_str(), recipe.ownerPassword.c_str(),
                                         true, true, true, true, true, true, qpdf_r3p_full, true);
    writer.write();
    auto buf = writer.getBufferSharedPointer();
    std::string bytes(reinterpret_cast<const char*>(buf->getBuffer()), buf->getSize());
    if (recipe.bDamagedStartXref)
    {
        const size_t at = bytes.rfind("startxref\n");
        bytes =
            bytes.substr(0, at) + "startxref\n" + std::to_string(bytes.size() + 1000) + "\n%%EOF\n";
    }
    WriteFileBytes(path, bytes);
    return bytes.size();
}

EncryptionReadback ReadEncryption(const std::string& path, const std::string& password)
{
    EncryptionReadback r;
    std::string bytes = ReadFileBytes(path);
    try
    {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.processMemoryFile(path.c_str(), bytes.data(), bytes.size(), password.c_str());
        r.bOpened = true;
        r.pages = static_cast<int>(QPDFPageDocumentHelper(pdf).getAllPages().size());
        QPDF::encryption_method_e stream, string, file;
        r.bEncrypted = pdf.isEncrypted(r.R, r.P, r.V, stream, string, file);
        r.bAes = stream == QPDF::e_aes || stream == QPDF::e_aesv3;
        QPDFObjectHandle encrypt = pdf.getTrailer().getKey("/Encrypt");
        if (encrypt.isDictionary() && encrypt.getKey("/EncryptMetadata").isBool())
            r.bEncryptMetadata = encrypt.getKey("/EncryptMetadata").getBoolValue();
        r.bUserMatched = pdf.userPasswordMatched();
        r.bOwnerMatched = pdf.ownerPasswordMatched();
        r.bLinearized = pdf.isLinearized();
        r.bWarnings = pdf.anyWarnings();
    }
    catch (const std::exception& e)
    {
        r.error = e.what();
    }
    return r;
}
