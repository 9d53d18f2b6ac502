#pragma once
// The user's and the system's OASIS XML catalogs: the files named in
// XML_CATALOG_FILES (separated by blanks), else /etc/xml/catalog, read by
// the same engine the libxml2 tools use, so that a document naming a public
// DTD or a well-known schema validates offline once its package is
// installed. A catalog is the user's own trusted mapping: what it names is
// read even when the reference came from the network.

#include <optional>
#include <string>

struct XmlCatalogQuery {
    std::string publicId;
    // The location as the document wrote it, and resolved against the
    // document (the same when the document wrote it absolute).
    std::string systemId;
    std::string resolvedSystemId;
    // For a schema import without a location: the namespace it names.
    std::string importedNamespace;
};

// The URI the catalogs map the reference to (usually file:///..., or an
// http URL); nothing when no catalog entry matches or no catalog can be
// read. Catalog files that changed since the last load began are read again.
std::optional<std::string> ResolveThroughCatalogs(const XmlCatalogQuery& query);

// A load begins: the next lookup looks whether the catalog files changed.
// Within one load the catalogs stay as they were, so a document that names
// many locations costs one look at the catalog files, not one per name.
void RecheckCatalogsForNextLoad();

// The catalog to blame for a load that reached the bound on parser work, if
// the bound was reached while the catalogs were being read (the engine reads
// a catalog file when first asked, and a very large one takes longer than
// any schema). Safe to call from any thread. A new load forgets it.
std::optional<std::string> CatalogBlamedForStall();
