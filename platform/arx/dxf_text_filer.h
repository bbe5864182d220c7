// A DXF filer that writes a DXF file's text (see dxf_text.h): each group as its code, right
// aligned in three columns, and its value, on lines of their own. A point writes its X, Y and Z
// under the code, the code plus 10 and the code plus 20 (X and Y only where the current object's
// kind files planar points); an object id writes the handle of its object when that object is
// saved with the drawing, else 0. Reading from it answers eNotApplicable.
#pragma once

#include <string>

#include "dbfiler.h"

namespace rvnhost {

class DxfTextFiler : public AcDbDxfFiler {
public:
    explicit DxfTextFiler(AcDbDatabase* database) : database_(database) {}

    AcDb::FilerType filerType() const override { return AcDb::kFileFiler; }
    AcDbDatabase* database() const override { return database_; }
    Acad::ErrorStatus readItem(resbuf* item) override;
    Acad::ErrorStatus writeItem(const resbuf& item) override;
    Acad::ErrorStatus pushBackItem() override { return Acad::eNotApplicable; }
    bool atEOF() override { return true; }

    // Starts an object: group 0 with its DXF name.
    void startObject(const std::wstring& dxfName);
    // A group whose value is already DXF text (a handle, a section name).
    void writeRaw(int code, const std::string& value);

    const std::string& text() const { return text_; }

private:
    void writePoint(int code, const double* xyz);

    AcDbDatabase* database_;
    std::wstring objectName_;
    std::string text_;
};

}  // namespace rvnhost
