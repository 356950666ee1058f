// The one shader that stands in for OpenGL 1.x's fixed-function pipeline:
// per-vertex lighting with up to eight lights, spot lights included (the
// OpenGL 1.5 standard, section 2.14.1, equation 2.1), colour material,
// the texture environment (section 3.13, table 3.22: modulate, replace, decal,
// add), and fog (section 3.10: linear, exp, exp2, with the eye distance
// approximated by |z|, as the section allows).
#include "gl_state.h"
#include "webgl.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>

namespace {

const char* const vertexShader = R"(
attribute vec4 aPosition;
attribute vec3 aNormal;
attribute vec2 aTexCoord;
attribute vec4 aColour;
uniform mat4 uModelView;
uniform mat4 uProjection;
uniform mat3 uNormalMatrix;
uniform mat4 uTextureMatrix;
uniform float uLighting;
uniform float uColourMaterial[5];  // ambient, diffuse, specular, emission taken from the colour; [4] unused
uniform vec4 uMaterial[4];         // ambient, diffuse, specular, emission
uniform float uShininess;
uniform vec4 uSceneAmbient;
uniform float uLightOn[8];
uniform vec4 uLightAmbient[8];
uniform vec4 uLightDiffuse[8];
uniform vec4 uLightSpecular[8];
uniform vec4 uLightPosition[8];
uniform vec4 uLightSpot[8];         // direction, then cos(cutoff) or -2 for no spot
uniform vec4 uLightAttenuation[8];  // constant, linear, quadratic, spot exponent
varying vec4 vColour;
varying vec2 vTexCoord;
varying float vFogDistance;

void main() {
    vec4 eye = uModelView * aPosition;
    gl_Position = uProjection * eye;
    vec4 t = uTextureMatrix * vec4(aTexCoord, 0.0, 1.0);
    vTexCoord = t.xy / t.w;
    vFogDistance = abs(eye.z);
    if (uLighting < 0.5) {
        vColour = aColour;
        return;
    }
    vec4 ambient = uColourMaterial[0] > 0.5 ? aColour : uMaterial[0];
    vec4 diffuse = uColourMaterial[1] > 0.5 ? aColour : uMaterial[1];
    vec4 specular = uColourMaterial[2] > 0.5 ? aColour : uMaterial[2];
    vec4 emission = uColourMaterial[3] > 0.5 ? aColour : uMaterial[3];
    vec3 n = normalize(uNormalMatrix * aNormal);
    vec3 v = eye.xyz / eye.w;
    vec3 c = emission.rgb + uSceneAmbient.rgb * ambient.rgb;
    for (int i = 0; i < 8; ++i) {
        if (uLightOn[i] < 0.5)
            continue;
        vec4 p = uLightPosition[i];
        vec3 l;
        float attenuation = 1.0;
        if (p.w != 0.0) {
            vec3 d = p.xyz / p.w - v;
            float distance = length(d);
            l = d / distance;
            vec3 k = uLightAttenuation[i].xyz;
            attenuation = 1.0 / (k.x + k.y * distance + k.z * distance * distance);
        } else {
            l = normalize(p.xyz);
        }
        float spot = 1.0;
        vec4 s = uLightSpot[i];
        if (s.w > -1.5) {
            float cosine = dot(-l, normalize(s.xyz));
            spot = cosine < s.w ? 0.0 : pow(max(cosine, 0.0), uLightAttenuation[i].w);
        }
        float nl = dot(n, l);
        vec3 term = uLightAmbient[i].rgb * ambient.rgb + max(nl, 0.0) * uLightDiffuse[i].rgb * diffuse.rgb;
        if (nl > 0.0) {
            float nh = max(dot(n, normalize(l + vec3(0.0, 0.0, 1.0))), 0.0);
            float highlight = uShininess == 0.0 ? 1.0 : pow(nh, uShininess);
            term += highlight * uLightSpecular[i].rgb * specular.rgb;
        }
        c += attenuation * spot * term;
    }
    vColour = clamp(vec4(c, diffuse.a), 0.0, 1.0);
}
)";

const char* const fragmentShader = R"(
precision mediump float;
uniform sampler2D uTexture;
uniform float uTexturing;
uniform float uTextureHasColour;
uniform float uTextureHasAlpha;
uniform float uEnvMode;  // 0 modulate, 1 replace, 2 decal, 3 add
uniform float uFog;      // 0 off, 1 linear, 2 exp, 3 exp2
uniform vec4 uFogParameters;  // density, start, end
uniform vec4 uFogColour;
varying vec4 vColour;
varying vec2 vTexCoord;
varying float vFogDistance;

void main() {
    vec4 c = vColour;
    if (uTexturing > 0.5) {
        vec4 t = texture2D(uTexture, vTexCoord);
        vec3 trgb = uTextureHasColour > 0.5 ? t.rgb : c.rgb;
        if (uEnvMode < 0.5) {
            c = vec4(uTextureHasColour > 0.5 ? c.rgb * t.rgb : c.rgb, uTextureHasAlpha > 0.5 ? c.a * t.a : c.a);
        } else if (uEnvMode < 1.5) {
            c = vec4(trgb, uTextureHasAlpha > 0.5 ? t.a : c.a);
        } else if (uEnvMode < 2.5) {
            float a = uTextureHasAlpha > 0.5 && uTextureHasColour > 0.5 ? t.a : 1.0;
            c = vec4(mix(c.rgb, trgb, a), c.a);
        } else {
            c = vec4(uTextureHasColour > 0.5 ? min(c.rgb + t.rgb, 1.0) : c.rgb, uTextureHasAlpha > 0.5 ? c.a * t.a : c.a);
        }
    }
    if (uFog > 0.5) {
        float z = vFogDistance;
        float f;
        if (uFog < 1.5)
            f = (uFogParameters.z - z) / (uFogParameters.z - uFogParameters.y);
        else if (uFog < 2.5)
            f = exp(-uFogParameters.x * z);
        else
            f = exp(-(uFogParameters.x * z) * (uFogParameters.x * z));
        f = clamp(f, 0.0, 1.0);
        c.rgb = mix(uFogColour.rgb, c.rgb, f);
    }
    gl_FragColor = c;
}
)";

struct Pipeline {
    GLuint program = 0;
    GLuint buffer = 0;
    std::unordered_map<std::string, GLint> locations;
    std::unordered_map<GLint, std::vector<float>> uploaded;  // what each uniform holds now
};

Pipeline& pipeline()
{
    static Pipeline p;
    return p;
}

GLuint compile(GLenum type, const char* source)
{
    const GLuint shader = emscripten_glCreateShader(type);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint ok = 0;
    emscripten_glGetShaderiv(shader, webglCompileStatus, &ok);
    if (!ok) {
        char log[1024] = {};
        emscripten_glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "The WebGL shader did not compile: %s\n", log);
    }
    return shader;
}

void build()
{
    Pipeline& p = pipeline();
    p.program = emscripten_glCreateProgram();
    emscripten_glAttachShader(p.program, compile(webglVertexShader, vertexShader));
    emscripten_glAttachShader(p.program, compile(webglFragmentShader, fragmentShader));
    const char* const attributes[] = {"aPosition", "aNormal", "aTexCoord", "aColour"};
    for (GLuint i = 0; i < 4; ++i)
        emscripten_glBindAttribLocation(p.program, i, attributes[i]);
    emscripten_glLinkProgram(p.program);
    GLint ok = 0;
    emscripten_glGetProgramiv(p.program, webglLinkStatus, &ok);
    if (!ok) {
        char log[1024] = {};
        emscripten_glGetProgramInfoLog(p.program, sizeof log, nullptr, log);
        std::fprintf(stderr, "The WebGL shader did not link: %s\n", log);
    }
    emscripten_glUseProgram(p.program);
    emscripten_glGenBuffers(1, &p.buffer);
    emscripten_glBindBuffer(webglArrayBuffer, p.buffer);
    const GLint sizes[] = {4, 3, 2, 4};
    const size_t offsets[] = {offsetof(Vertex, position), offsetof(Vertex, normal), offsetof(Vertex, texCoord),
        offsetof(Vertex, colour)};
    for (GLuint i = 0; i < 4; ++i) {
        emscripten_glEnableVertexAttribArray(i);
        emscripten_glVertexAttribPointer(i, sizes[i], GL_FLOAT, GL_FALSE, sizeof(Vertex),
            reinterpret_cast<const void*>(offsets[i]));
    }
    emscripten_glActiveTexture(webglTexture0);
    emscripten_glUniform1i(emscripten_glGetUniformLocation(p.program, "uTexture"), 0);
}

GLint location(const char* name)
{
    Pipeline& p = pipeline();
    const auto found = p.locations.find(name);
    if (found != p.locations.end())
        return found->second;
    const GLint l = emscripten_glGetUniformLocation(p.program, name);
    p.locations.emplace(name, l);
    return l;
}

// Each uniform is sent only when its value changed: most draws change little.
bool changed(GLint l, const float* values, size_t count)
{
    std::vector<float>& last = pipeline().uploaded[l];
    if (last.size() == count && std::memcmp(last.data(), values, count * sizeof(float)) == 0)
        return false;
    last.assign(values, values + count);
    return true;
}

void uniformFloats(const char* name, const float* values, int count)
{
    const GLint l = location(name);
    if (l >= 0 && changed(l, values, static_cast<size_t>(count)))
        emscripten_glUniform1fv(l, count, values);
}

void uniform1(const char* name, float value)
{
    uniformFloats(name, &value, 1);
}

void uniformVectors(const char* name, const float* values, int count)
{
    const GLint l = location(name);
    if (l >= 0 && changed(l, values, static_cast<size_t>(count) * 4))
        emscripten_glUniform4fv(l, count, values);
}

void uniformMatrix(const char* name, const float* values, int size)
{
    const GLint l = location(name);
    if (l < 0 || !changed(l, values, static_cast<size_t>(size * size)))
        return;
    if (size == 4)
        emscripten_glUniformMatrix4fv(l, 1, GL_FALSE, values);
    else
        emscripten_glUniformMatrix3fv(l, 1, GL_FALSE, values);
}

// The inverse transpose of the model-view's upper 3x3, for the normals.
std::array<float, 9> normalMatrix(const Matrix& m)
{
    const float a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6], i = m[10];
    const float A = e * i - f * h, B = -(d * i - f * g), C = d * h - e * g;
    const float D = -(b * i - c * h), E = a * i - c * g, F = -(a * h - b * g);
    const float G = b * f - c * e, H = -(a * f - c * d), I = a * e - b * d;
    float det = a * A + b * B + c * C;
    if (det == 0.0f)
        det = 1.0f;
    // Cofactor matrix over the determinant is the inverse's transpose; stored column-major.
    return {A / det, B / det, C / det, D / det, E / det, F / det, G / det, H / det, I / det};
}

void setUniforms()
{
    const GlState& s = gl();
    const AttribState& a = s.attrib;
    uniformMatrix("uModelView", s.matrices[0].back().data(), 4);
    uniformMatrix("uProjection", s.matrices[1].back().data(), 4);
    uniformMatrix("uTextureMatrix", s.matrices[2].back().data(), 4);
    const bool lighting = isEnabled(GL_LIGHTING);
    uniform1("uLighting", lighting ? 1.0f : 0.0f);
    if (lighting) {
        const auto normals = normalMatrix(s.matrices[0].back());
        uniformMatrix("uNormalMatrix", normals.data(), 3);
        float colourMaterial[5] = {0, 0, 0, 0, 0};
        if (isEnabled(GL_COLOR_MATERIAL)) {
            switch (a.colourMaterialMode) {
            case GL_AMBIENT:
                colourMaterial[0] = 1;
                break;
            case GL_DIFFUSE:
                colourMaterial[1] = 1;
                break;
            case GL_SPECULAR:
                colourMaterial[2] = 1;
                break;
            case GL_EMISSION:
                colourMaterial[3] = 1;
                break;
            default:
                colourMaterial[0] = colourMaterial[1] = 1;
            }
        }
        uniformFloats("uColourMaterial", colourMaterial, 5);
        float material[16];
        const Colour* parts[] = {&a.material.ambient, &a.material.diffuse, &a.material.specular, &a.material.emission};
        for (int i = 0; i < 4; ++i)
            std::copy(parts[i]->begin(), parts[i]->end(), material + 4 * i);
        uniformVectors("uMaterial", material, 4);
        uniform1("uShininess", a.material.shininess);
        uniformVectors("uSceneAmbient", a.sceneAmbient.data(), 1);
        float on[maxLights], ambient[4 * maxLights], diffuse[4 * maxLights], specular[4 * maxLights],
            position[4 * maxLights], spot[4 * maxLights], attenuation[4 * maxLights];
        for (int i = 0; i < maxLights; ++i) {
            const Light& l = a.lights[static_cast<size_t>(i)];
            on[i] = isEnabled(GL_LIGHT0 + static_cast<GLenum>(i)) ? 1.0f : 0.0f;
            std::copy(l.ambient.begin(), l.ambient.end(), ambient + 4 * i);
            std::copy(l.diffuse.begin(), l.diffuse.end(), diffuse + 4 * i);
            std::copy(l.specular.begin(), l.specular.end(), specular + 4 * i);
            std::copy(l.position.begin(), l.position.end(), position + 4 * i);
            std::copy(l.spotDirection.begin(), l.spotDirection.end(), spot + 4 * i);
            spot[4 * i + 3] = l.spotCutoff == 180.0f ? -2.0f : std::cos(l.spotCutoff * 3.14159265358979323846f / 180.0f);
            std::copy(l.attenuation.begin(), l.attenuation.end(), attenuation + 4 * i);
            attenuation[4 * i + 3] = l.spotExponent;
        }
        uniformFloats("uLightOn", on, maxLights);
        uniformVectors("uLightAmbient", ambient, maxLights);
        uniformVectors("uLightDiffuse", diffuse, maxLights);
        uniformVectors("uLightSpecular", specular, maxLights);
        uniformVectors("uLightPosition", position, maxLights);
        uniformVectors("uLightSpot", spot, maxLights);
        uniformVectors("uLightAttenuation", attenuation, maxLights);
    }
    GLenum format = GL_RGBA;
    const bool texturing = isEnabled(GL_TEXTURE_2D) && textureComplete(a.boundTexture, format);
    uniform1("uTexturing", texturing ? 1.0f : 0.0f);
    if (texturing) {
        uniform1("uTextureHasColour", format == GL_ALPHA ? 0.0f : 1.0f);
        uniform1("uTextureHasAlpha", format == GL_RGBA || format == GL_LUMINANCE_ALPHA || format == GL_ALPHA ? 1.0f : 0.0f);
        const float mode = a.textureEnvMode == GL_REPLACE ? 1.0f : a.textureEnvMode == GL_DECAL ? 2.0f
            : a.textureEnvMode == GL_ADD                    ? 3.0f
                                                            : 0.0f;
        uniform1("uEnvMode", mode);
    }
    const bool fog = isEnabled(GL_FOG);
    uniform1("uFog", !fog ? 0.0f : a.fogMode == GL_LINEAR ? 1.0f : a.fogMode == GL_EXP2 ? 3.0f : 2.0f);
    if (fog) {
        const float parameters[4] = {a.fogDensity, a.fogStart, a.fogEnd, 0};
        uniformVectors("uFogParameters", parameters, 1);
        uniformVectors("uFogColour", a.fogColour.data(), 1);
    }
}

// GL 1's primitives as WebGL's: quads, quad strips and polygons become triangles.
GLenum asWebglPrimitives(GLenum mode, const std::vector<Vertex>& in, std::vector<Vertex>& out)
{
    switch (mode) {
    case GL_QUADS:
        for (size_t i = 0; i + 3 < in.size(); i += 4)
            for (size_t k : {0, 1, 2, 0, 2, 3})
                out.push_back(in[i + k]);
        return GL_TRIANGLES;
    case GL_QUAD_STRIP:
        for (size_t i = 0; i + 3 < in.size(); i += 2)
            for (size_t k : {0, 1, 3, 0, 3, 2})
                out.push_back(in[i + k]);
        return GL_TRIANGLES;
    case GL_POLYGON:
        out = in;
        return GL_TRIANGLE_FAN;
    default:
        out = in;
        return mode;
    }
}

}  // namespace

void drawPrimitives(GLenum mode, const std::vector<Vertex>& vertices)
{
    if (vertices.empty())
        return;
    if (pipeline().program == 0)
        build();
    static std::vector<Vertex> converted;
    converted.clear();
    const GLenum webglMode = asWebglPrimitives(mode, vertices, converted);
    if (converted.empty())
        return;
    setUniforms();
    emscripten_glBindTexture(GL_TEXTURE_2D, gl().attrib.boundTexture);
    emscripten_glBufferData(webglArrayBuffer, static_cast<long>(converted.size() * sizeof(Vertex)), converted.data(),
        webglStreamDraw);
    emscripten_glDrawArrays(webglMode, 0, static_cast<GLsizei>(converted.size()));
}
