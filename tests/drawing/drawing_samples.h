// Drawings for the filing tests: a sample with tables, layers, a linetype, a text style, a block,
// dictionaries, extended data and a custom marker object; and saving and opening through bytes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dbmain.h"

namespace rvntest {

inline constexpr wchar_t kSampleLayer[] = L"TZ-RV-Rete1";
inline constexpr wchar_t kSampleLinetype[] = L"TRATTO";
inline constexpr wchar_t kSampleApp[] = L"TZ-SCHEMA_RETE-RVN";
inline constexpr wchar_t kSampleStyle[] = L"TZ-TESTO";
inline constexpr wchar_t kSampleBlock[] = L"TZ-RV-NODO";
inline constexpr wchar_t kSampleDictionary[] = L"TZ-TEST";
inline constexpr wchar_t kSampleMarkerKey[] = L"Primo";
inline constexpr wchar_t kSampleLabel[] = L"Nodo \u00e8 \U0001D11E";

struct SampleDrawing {
    std::unique_ptr<AcDbDatabase> database;
    AcDbObjectId layer;       // kSampleLayer: colour 3, frozen, off, linetype kSampleLinetype, xdata of kSampleApp
    AcDbObjectId dictionary;  // kSampleDictionary in the named-object dictionary
    AcDbObjectId marker;      // kSampleMarkerKey in it: label kSampleLabel, value 12.5, target the layer
};

// Also registers the marker class. The current layer is kSampleLayer, luprec 6, textsize 0.35.
SampleDrawing makeSampleDrawing();

struct SampleEntities {
    AcDbObjectId line;       // in model space, with extended data of kSampleApp
    AcDbObjectId polyline;   // a 3D polyline of three vertices in model space
    AcDbObjectId reference;  // a reference of kSampleBlock in model space, with an attribute "NODE_01"
    AcDbObjectId profile;    // a lightweight polyline in model space: colour 3, a bulge of 0.5 at its start
    AcDbObjectId text;       // a text "Profilo P1-P2" in model space
};

// Adds the entities to the sample, and an attribute definition "NODE_01" to kSampleBlock.
SampleEntities addSampleEntities(SampleDrawing& sample);

// Adds a marker to the dictionary under key; the marker's id.
AcDbObjectId addMarker(AcDbObjectId dictionary, const wchar_t* key, const wchar_t* label, double value,
                       AcDbObjectId target = AcDbObjectId());

// The drawing as file bytes (a test failure when it cannot be written).
std::vector<unsigned char> saveToBytes(AcDbDatabase& database);
// A new database from file bytes; null with the message when it cannot be read.
std::unique_ptr<AcDbDatabase> openFromBytes(const std::vector<unsigned char>& bytes, std::wstring& message);

// The drawing as DXF text (a test failure when it cannot be written).
std::string saveToDxf(AcDbDatabase& database);
// A new database from DXF text; null with the message when it cannot be read.
std::unique_ptr<AcDbDatabase> openFromDxf(const std::string& text, std::wstring& message);

// "handle class" of every object saved with the drawing, in handle order.
std::vector<std::wstring> objectInventory(AcDbDatabase& database);

// The id, in database, of the object with the handle that sameHandleElsewhere has (null when none).
AcDbObjectId idOf(AcDbDatabase& database, AcDbObjectId sameHandleElsewhere);

}  // namespace rvntest
