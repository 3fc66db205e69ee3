#include "app/PackageFile.h"

#include "xml/XmlDocument.h"

bool PackageFile::readXml(XmlDocument& document) const { return document.parseBytes(m_bytes, TextEncoding::Utf8); }
