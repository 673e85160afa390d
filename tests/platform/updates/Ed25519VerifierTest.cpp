#include "platform/updates/Ed25519Verifier.h"

#include <openssl/evp.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace kestrel {
namespace {

std::string base64(const std::vector<unsigned char>& bytes)
{
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int length =
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), bytes.data(), static_cast<int>(bytes.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// A signing key of the test's own, standing in for the key updates are signed with.
class Ed25519VerifierTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EVP_PKEY* generated = nullptr;
        const std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> context(
            EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), &EVP_PKEY_CTX_free);
        ASSERT_EQ(EVP_PKEY_keygen_init(context.get()), 1);
        ASSERT_EQ(EVP_PKEY_keygen(context.get(), &generated), 1);
        key.reset(generated);
        std::vector<unsigned char> publicKey(32);
        std::size_t size = publicKey.size();
        ASSERT_EQ(EVP_PKEY_get_raw_public_key(key.get(), publicKey.data(), &size), 1);
        publicKeyBase64 = base64(publicKey);
        std::ofstream(package, std::ios::binary) << contents;
    }
    void TearDown() override { std::filesystem::remove(package); }

    std::string sign(const std::string& data)
    {
        const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
        EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, key.get());
        std::vector<unsigned char> signature(64);
        std::size_t size = signature.size();
        EVP_DigestSign(context.get(), signature.data(), &size, reinterpret_cast<const unsigned char*>(data.data()),
                       data.size());
        return base64(signature);
    }

    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{nullptr, &EVP_PKEY_free};
    std::string publicKeyBase64;
    const std::string contents = "!<arch>\ndebian-binary   a package of Kestrel";
    const std::filesystem::path package = std::filesystem::temp_directory_path() / "kestrel-verifier-test.deb";
};

TEST_F(Ed25519VerifierTest, APackageMatchesOnlyItsOwnSignatureLengthAndKey)
{
    const Ed25519Verifier verifier(publicKeyBase64);
    EXPECT_EQ(verifier.verify(package, contents.size(), sign(contents)).english(), "");
    EXPECT_EQ(verifier.verify(package, contents.size(), sign(contents + " and more")).english(),
              "the signature does not match the package");
    EXPECT_NE(verifier.verify(package, contents.size() + 1, sign(contents)).english(), "")
        << "a length other than the feed's";

    std::ofstream(package, std::ios::binary) << contents.substr(0, 10); // cut short on the way
    EXPECT_NE(verifier.verify(package, contents.size(), sign(contents)).english(), "");

    // Another key, no key, and a signature that is not one.
    std::ofstream(package, std::ios::binary) << contents;
    EXPECT_NE(Ed25519Verifier("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=")
                  .verify(package, contents.size(), sign(contents))
                  .english(),
              "");
    EXPECT_NE(Ed25519Verifier("").verify(package, contents.size(), sign(contents)).english(), "");
    EXPECT_EQ(verifier.verify(package, contents.size(), "not base64!").english(),
              "the update feed's signature is not an Ed25519 signature");
}

TEST(Base64, DecodesOnlyStrictBase64)
{
    EXPECT_EQ(Ed25519Verifier::decodeBase64("TWFu"), (std::vector<unsigned char>{'M', 'a', 'n'}));
    EXPECT_EQ(Ed25519Verifier::decodeBase64("TWE="), (std::vector<unsigned char>{'M', 'a'}));
    EXPECT_EQ(Ed25519Verifier::decodeBase64("TQ=="), (std::vector<unsigned char>{'M'}));
    for (const char* bad : {"", "TWF", "TW=u", "T===", "TWFu\n", "TW-_", "=TWF"})
        EXPECT_FALSE(Ed25519Verifier::decodeBase64(bad).has_value()) << bad;
}

} // namespace
} // namespace kestrel
