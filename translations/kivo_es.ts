<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation>Información general</translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation>Especificación del equipo: </translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation>Nombre del equipo en la red:</translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation>Resolución de la pantalla:</translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation>Usuario conectado:</translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation>Versión del sistema:</translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation>Versión de la base de datos:</translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation>Carpeta del programa:</translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation>Idioma: </translation>
    </message>
    <message>
        <source>Suporte: </source>
        <extracomment>Stays Portuguese in English in kivo; davo translates it.</extracomment>
        <translation>Soporte: </translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation>Versión  2017</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation>Los datos se guardan en el archivo %1.
Es una base de datos SQLite, que cualquier herramienta de SQLite abre.
Una copia de ese archivo, hecha con el programa cerrado, es una copia de seguridad completa.</translation>
    </message>
</context>
<context>
    <name>kivo::Menu</name>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Ayuda a la decisión multicriterio</translation>
    </message>
    <message>
        <source>Casos do kivo (*.mdb)</source>
        <translation>Casos de kivo (*.mdb)</translation>
    </message>
    <message>
        <source>Cas&amp;o</source>
        <translation>Cas&amp;o</translation>
    </message>
    <message>
        <source>&amp;Novo caso...</source>
        <translation>&amp;Nuevo caso...</translation>
    </message>
    <message>
        <source>&amp;Abrir caso...</source>
        <translation>&amp;Abrir caso...</translation>
    </message>
    <message>
        <source>Salvar &amp;como...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Propriedades do caso...</source>
        <translation>&amp;Propiedades del caso...</translation>
    </message>
    <message>
        <source>&amp;Exportar resultados (CSV)...</source>
        <translation>&amp;Exportar resultados (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Alternativas</source>
        <translation>&amp;Alternativas</translation>
    </message>
    <message>
        <source>&amp;Critérios</source>
        <translation>&amp;Criterios</translation>
    </message>
    <message>
        <source>&amp;Pesos</source>
        <translation>&amp;Pesos</translation>
    </message>
    <message>
        <source>&amp;Valores</source>
        <translation>&amp;Valores</translation>
    </message>
    <message>
        <source>&amp;Resultado</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Informações</source>
        <translation>&amp;Información</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>KIVO - Apoio à decisão multicritério</source>
        <translation>KIVO - Ayuda a la decisión multicriterio</translation>
    </message>
    <message>
        <source>Versão: 15.02.18</source>
        <translation>Versión: 15.02.18</translation>
    </message>
    <message>
        <source>Somente leitura: nada pode ser gravado</source>
        <translation>Solo lectura: no se puede grabar nada</translation>
    </message>
    <message>
        <source>Programa Paralizado!</source>
        <translation>Programa Paralizado!</translation>
    </message>
    <message>
        <source>Programa ativo pela segunda vez, será fechado!</source>
        <translation>Programa activo por segunda vez, se cerrará !</translation>
    </message>
    <message>
        <source>O último caso usado, &quot;%1&quot;, não foi encontrado.<byte value="xd"/>
Foi aberto o arquivo padrão &quot;%2&quot;.</source>
        <translation>El último caso usado, &quot;%1&quot;, no se encontró.<byte value="xd"/>
Se abrió el archivo predeterminado &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>O último caso usado, &quot;%1&quot;, não pôde ser aberto: %3<byte value="xd"/>
Foi aberto o arquivo padrão &quot;%2&quot;.</source>
        <translation>El último caso usado, &quot;%1&quot;, no se pudo abrir: %3<byte value="xd"/>
Se abrió el archivo predeterminado &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Caso não encontrado!</source>
        <translation>¡Caso no encontrado!</translation>
    </message>
    <message>
        <source>Caso não aberto!</source>
        <translation>¡Caso no abierto!</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não é um caso do kivo e não foi aberto.<byte value="xd"/>
Motivo: %2<byte value="xd"/>
O caso &quot;%3&quot; continua em uso.</source>
        <translation>El archivo &quot;%1&quot; no es un caso de kivo y no se abrió.<byte value="xd"/>
Motivo: %2<byte value="xd"/>
El caso &quot;%3&quot; sigue en uso.</translation>
    </message>
    <message>
        <source>Novo caso</source>
        <translation>Nuevo caso</translation>
    </message>
    <message>
        <source>Novo caso.mdb</source>
        <translation>Nuevo caso.mdb</translation>
    </message>
    <message>
        <source>o arquivo já existe e não foi alterado</source>
        <translation>el archivo ya existe y no se cambió</translation>
    </message>
    <message>
        <source>Caso não criado!</source>
        <translation>¡Caso no creado!</translation>
    </message>
    <message>
        <source>Não foi possível criar o caso no arquivo &quot;%1&quot;: %2.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>No se pudo crear el caso en el archivo &quot;%1&quot;: %2.<byte value="xd"/>
Elija otra carpeta u otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Abrir caso</source>
        <translation>Abrir caso</translation>
    </message>
    <message>
        <source>Salvar caso como</source>
        <translation>Guardar caso como</translation>
    </message>
    <message>
        <source> - cópia.mdb</source>
        <translation> - copia.mdb</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>¡Archivo no grabado!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o caso no arquivo &quot;%1&quot;: %2.<byte value="xd"/>
O caso &quot;%3&quot; continua em uso.</source>
        <translation>No se pudo grabar el caso en el archivo &quot;%1&quot;: %2.<byte value="xd"/>
El caso &quot;%3&quot; sigue en uso.</translation>
    </message>
    <message>
        <source>Exportar resultados</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Arquivos CSV (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Não foi possível gravar os resultados no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>No se pudieron grabar los resultados en el archivo &quot;%1&quot;.<byte value="xd"/>
Elija otra carpeta u otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Resultados exportados</source>
        <translation>Resultados exportados</translation>
    </message>
    <message>
        <source>Os resultados foram gravados no arquivo:<byte value="xd"/>
%1</source>
        <translation>Los resultados se grabaron en el archivo:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; não foi encontrado e saiu da lista dos últimos casos.</source>
        <translation>El archivo &quot;%1&quot; no se encontró y salió de la lista de los últimos casos.</translation>
    </message>
</context>
<context>
    <name>kivo::calculo</name>
    <message>
        <source>Nenhum registro atual.</source>
        <translation>No hay registro actual.</translation>
    </message>
    <message>
        <source>Item não encontrado nesta coleção: &apos;%1&apos;.</source>
        <translation>Elemento no encontrado en esta colección: &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>kivo::caso</name>
    <message>
        <source>O arquivo &apos;%1&apos; não foi encontrado.</source>
        <translation>No se encontró el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Não foi possível criar o arquivo &apos;%1&apos;.</source>
        <translation>No se pudo crear el archivo &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo &apos;%1&apos;.</source>
        <translation>No se pudo grabar el archivo &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>kivo::colaColuna</name>
    <message>
        <source>Valores demais!</source>
        <translation>¡Demasiados valores!</translation>
    </message>
    <message>
        <source>A coluna colada tem %1 valores, mas só há %2 caixas desta para baixo. Nada foi colado.</source>
        <translation>La columna pegada tiene %1 valores, pero solo hay %2 casillas desde esta hacia abajo. No se pegó nada.</translation>
    </message>
</context>
<context>
    <name>kivo::descartaAlteracoes</name>
    <message>
        <source>Descartar alterações?</source>
        <translation>¿Descartar cambios?</translation>
    </message>
    <message>
        <source>Há respostas ou textos que ainda não foram gravados. Sair sem gravá-los?</source>
        <translation>Hay respuestas o textos que todavía no se han guardado. ¿Salir sin guardarlos?</translation>
    </message>
</context>
<context>
    <name>kivo::frmAlternativas</name>
    <message>
        <source>Alternativas</source>
        <translation>Alternativas</translation>
    </message>
    <message>
        <source>Qtde de Alternativas:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Cant. de Alternativas:</translation>
    </message>
    <message>
        <source>Alternativa  %1:</source>
        <translation>Alternativa %1:</translation>
    </message>
    <message>
        <source>Qtde de Alternativas não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Cantidad de Alternativas no aceptada!</translation>
    </message>
    <message>
        <source>Nº de Alternativas deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El Nº de Alternativas debe ser como máximo 15 ítems</translation>
    </message>
</context>
<context>
    <name>kivo::frmCaso</name>
    <message>
        <source>Propriedades do caso</source>
        <translation>Propiedades del caso</translation>
    </message>
    <message>
        <source>&amp;Nome do caso:</source>
        <translation>&amp;Nombre del caso:</translation>
    </message>
    <message>
        <source>&amp;Objetivo a alcançar ou sintoma indesejado:</source>
        <translation>&amp;Objetivo a alcanzar o síntoma indeseado:</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Sair sem gravar?</source>
        <translation>¿Salir sin grabar?</translation>
    </message>
    <message>
        <source>O nome ou o objetivo foi alterado e não foi gravado. Sair e perder as alterações?</source>
        <translation>El nombre o el objetivo se cambió y no se grabó. ¿Salir y perder los cambios?</translation>
    </message>
</context>
<context>
    <name>kivo::frmCriterios</name>
    <message>
        <source>Critérios</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <source>Qtde Critérios:</source>
        <translation>Cant. Criterios:</translation>
    </message>
    <message>
        <source>  Sinal (+-)         Peso</source>
        <translation>  Signo (+-)         Peso</translation>
    </message>
    <message>
        <source>Critério  %1:</source>
        <translation>Criterio %1:</translation>
    </message>
    <message>
        <source>Critério %1:</source>
        <translation>Criterio %1:</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Qtde de Critérios não aceita!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Cantidad de Criterios no aceptada!</translation>
    </message>
    <message>
        <source>Nº de critérios deve ser no máximo 15 itens</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El Nº de criterios debe ser como máximo 15 ítems</translation>
    </message>
    <message>
        <source>Só aceito + ou -</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Solo acepto + o -</translation>
    </message>
    <message>
        <source>Sinal do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Signo del ítem %1 no informado correctamente</translation>
    </message>
</context>
<context>
    <name>kivo::frmCriteriosAj</name>
    <message>
        <source>Ajuda da Tela Critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Ayuda de la pantalla Criterios</translation>
    </message>
    <message>
        <source>Qtde Critérios: quantos critérios serão usados para comparar as alternativas, de 3 a 15. Só as linhas desta quantidade aparecem e são gravadas.

Descrição: o nome do critério, com até 35 caracteres.

Sinal: + quando o critério é um benefício (quanto mais, melhor) e - quando é um custo (quanto menos, melhor).

Peso: a importância do critério, de 1 a 10. É calculado na tela Pesos, a partir da comparação dos critérios dois a dois, e aqui é apenas mostrado, sem poder ser alterado.

Gravar e Sair guarda as descrições, os sinais e a quantidade. Limpar histórico anterior apaga as descrições, os sinais, os pesos e as comparações de todos os critérios.</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Cant. Criterios: cuántos criterios se usarán para comparar las alternativas, de 3 a 15. Solo aparecen y se graban las líneas de esta cantidad.

Descripción: el nombre del criterio, con hasta 35 caracteres.

Signo: + cuando el criterio es un beneficio (cuanto más, mejor) y - cuando es un costo (cuanto menos, mejor).

Peso: la importancia del criterio, de 1 a 10. Se calcula en la pantalla Pesos, a partir de la comparación de los criterios de dos en dos, y aquí solo se muestra, sin que se pueda cambiar.

Grabar y Salir guarda las descripciones, los signos y la cantidad. Limpiar historial anterior borra las descripciones, los signos, los pesos y las comparaciones de todos los criterios.</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>kivo::frmDados</name>
    <message>
        <source>Identificação dos Pesos</source>
        <translation>Identificación de los Pesos</translation>
    </message>
    <message>
        <source>Comparação: </source>
        <translation>Comparación: </translation>
    </message>
    <message>
        <source>O critério: </source>
        <translation>El criterio: </translation>
    </message>
    <message>
        <source>é: </source>
        <translation>es: </translation>
    </message>
    <message>
        <source>Do que o critério: </source>
        <translation>Que el criterio: </translation>
    </message>
    <message>
        <source>Para a função objetivo </source>
        <translation>Para la función objetivo </translation>
    </message>
    <message>
        <source>Muito &amp;Mais</source>
        <translation>Mucho &amp;más</translation>
    </message>
    <message>
        <source>Ma&amp;is</source>
        <translation>Má&amp;s</translation>
    </message>
    <message>
        <source>&amp;De forma igual</source>
        <translation>&amp;Igual</translation>
    </message>
    <message>
        <source>M&amp;enos</source>
        <translation>M&amp;enos</translation>
    </message>
    <message>
        <source>M&amp;uito menos</source>
        <translation>M&amp;ucho menos</translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Analizar</source>
        <translation>&amp;Analizar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>vacante</translation>
    </message>
    <message>
        <source>Vago</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Vacante</translation>
    </message>
    <message>
        <source>Pontos da Coluna</source>
        <translation>Puntos de la Columna</translation>
    </message>
    <message>
        <source>Normatização V 0-5</source>
        <translation>Normalización V 0-5</translation>
    </message>
    <message>
        <source>Pontos da Linha</source>
        <translation>Puntos de la Fila</translation>
    </message>
    <message>
        <source>Normatização H 0-5</source>
        <translation>Normalización H 0-5</translation>
    </message>
    <message>
        <source>Emach</source>
        <translation>Emach</translation>
    </message>
    <message>
        <source>1-Normalização</source>
        <translation>1-Normalización</translation>
    </message>
    <message>
        <source>Peso Final</source>
        <translation>Peso Final</translation>
    </message>
    <message>
        <source>A quantidade de critérios gravada (%1) deve ser de 1 a 15.</source>
        <translation>La cantidad de criterios grabada (%1) debe ser de 1 a 15.</translation>
    </message>
    <message>
        <source>A tabela Criterios não tem o campo %1.</source>
        <translation>La tabla Criterios no tiene el campo %1.</translation>
    </message>
    <message>
        <source>A tabela Criterios tem %1 registro(s), mas são %2 critérios.</source>
        <translation>La tabla Criterios tiene %1 registro(s), pero son %2 criterios.</translation>
    </message>
    <message>
        <source>Tabela de critérios incompatível!</source>
        <translation>¡Tabla de criterios incompatible!</translation>
    </message>
</context>
<context>
    <name>kivo::frmLista</name>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Gravar e Sair</source>
        <translation>&amp;Grabar y Salir</translation>
    </message>
    <message>
        <source>&amp;Limpar histórico anterior</source>
        <translation>&amp;Limpiar historial anterior</translation>
    </message>
    <message>
        <source>Limpar histórico anterior</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Limpiar historial anterior</translation>
    </message>
    <message>
        <source>Confirma a limpeza?</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¿Confirma la limpieza?</translation>
    </message>
</context>
<context>
    <name>kivo::frmResultado</name>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Impressora:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>&amp;Imprimir</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>S&amp;ensibilidade</source>
        <translation>S&amp;ensibilidad</translation>
    </message>
    <message>
        <source>&amp;Relatório completo</source>
        <translation>Inf&amp;orme completo</translation>
    </message>
    <message>
        <source>Processando: </source>
        <translation>Procesando: </translation>
    </message>
    <message>
        <source>Melhor opção: </source>
        <translation>Mejor opción: </translation>
    </message>
    <message>
        <source>Preparando Tabelas</source>
        <translation>Preparando Tablas</translation>
    </message>
    <message>
        <source>Processando Pesos</source>
        <translation>Procesando Pesos</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Peso no encontrado!</translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Verifique los pesos de los criterios</translation>
    </message>
    <message>
        <source>Sinal não informado!</source>
        <translation>¡Signo no informado!</translation>
    </message>
    <message>
        <source>Informe o sinal, + ou -, do critério %1 na tela Critérios</source>
        <translation>Informe el signo, + o -, del criterio %1 en la pantalla Criterios</translation>
    </message>
</context>
<context>
    <name>kivo::frmSensibilidade</name>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>&amp;Sair</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Peso mínimo</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Peso máximo</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Mejor abajo</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Mejor arriba</translation>
    </message>
    <message>
        <source>Margem</source>
        <translation>Margen</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Mejor opción: %1</translation>
    </message>
    <message>
        <source>A melhor opção muda se o peso de %1 passar de %2 para %3.</source>
        <translation>La mejor opción cambia si el peso de %1 pasa de %2 a %3.</translation>
    </message>
    <message>
        <source>Com esse peso, a melhor opção passa a ser %1</source>
        <translation>Con ese peso, la mejor opción pasa a ser %1</translation>
    </message>
    <message>
        <source>Com esse peso, nenhuma alternativa fica acima de 0.</source>
        <translation>Con ese peso, ninguna alternativa queda por encima de 0.</translation>
    </message>
    <message>
        <source>A melhor opção não muda com nenhum peso de 1 a 10, um critério por vez.</source>
        <translation>La mejor opción no cambia con ningún peso de 1 a 10, un criterio a la vez.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção.</source>
        <translation>Ninguna alternativa tiene un resultado mayor que 0: no hay mejor opción.</translation>
    </message>
    <message>
        <source>Resultado de cada alternativa conforme o peso de %1</source>
        <translation>Resultado de cada alternativa según el peso de %1</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>atual</source>
        <translation>actual</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Peso no encontrado!</translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Verifique los pesos de los criterios</translation>
    </message>
</context>
<context>
    <name>kivo::frmValores</name>
    <message>
        <source>O valor deve ser numérico... não será salvo!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>El valor debe ser numérico... ¡no se grabará!</translation>
    </message>
    <message>
        <source>Peso do item %1 não informado corretamente</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Peso del ítem %1 no informado correctamente</translation>
    </message>
    <message>
        <source>Valores</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Alternativas:  </source>
        <translation>Alternativas:  </translation>
    </message>
    <message>
        <source>Descrição</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Valores</source>
        <comment>heading of the values column</comment>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Alternativa %1:</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Alternativa %1:</translation>
    </message>
    <message>
        <source>Critérios:  </source>
        <translation>Criterios:  </translation>
    </message>
    <message>
        <source>&amp;Gravar</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation>&amp;Volver</translation>
    </message>
</context>
<context>
    <name>kivo::mensagemFalha</name>
    <message>
        <source>Disco cheio!</source>
        <translation>Disco lleno!</translation>
    </message>
    <message>
        <source>O disco está cheio: não foi possível gravar em %1.</source>
        <translation>El disco está lleno: no se pudo grabar en %1.</translation>
    </message>
    <message>
        <source>libere espaço e tente de novo.</source>
        <translation>libere espacio e intente de nuevo.</translation>
    </message>
    <message>
        <source>Somente leitura!</source>
        <translation>Solo lectura!</translation>
    </message>
    <message>
        <source>O arquivo %1 é somente leitura: não foi possível gravar nele.</source>
        <translation>El archivo %1 es de solo lectura: no se pudo grabar en él.</translation>
    </message>
    <message>
        <source>dê permissão de gravação ao arquivo e à sua pasta e tente de novo.</source>
        <translation>permita grabar en el archivo y en su carpeta e intente de nuevo.</translation>
    </message>
    <message>
        <source>Arquivo em uso!</source>
        <translation>Archivo en uso!</translation>
    </message>
    <message>
        <source>Outro programa está usando %1: não foi possível gravar nele.</source>
        <translation>Otro programa está usando %1: no se pudo grabar en él.</translation>
    </message>
    <message>
        <source>feche o outro programa e tente de novo.</source>
        <translation>cierre el otro programa e intente de nuevo.</translation>
    </message>
    <message>
        <source>Erro de disco!</source>
        <translation>Error de disco!</translation>
    </message>
    <message>
        <source>O disco falhou ao gravar em %1.</source>
        <translation>El disco falló al grabar en %1.</translation>
    </message>
    <message>
        <source>verifique o disco e tente de novo.</source>
        <translation>revise el disco e intente de nuevo.</translation>
    </message>
    <message>
        <source>%1 Nada foi alterado; %2</source>
        <translation>%1 No se cambió nada; %2</translation>
    </message>
</context>
<context>
    <name>kivo::planilha</name>
    <message>
        <source>Caso</source>
        <translation>Caso</translation>
    </message>
    <message>
        <source>Objetivo</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Número</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>kivo::ranking</name>
    <message>
        <source>Contribuição de cada critério ao resultado</source>
        <translation>Contribución de cada criterio al resultado</translation>
    </message>
    <message>
        <source>custos</source>
        <translation>costos</translation>
    </message>
    <message>
        <source>benefícios</source>
        <translation>beneficios</translation>
    </message>
    <message>
        <source>melhor opção</source>
        <translation>mejor opción</translation>
    </message>
    <message>
        <source>Peso: %1</source>
        <translation>Peso: %1</translation>
    </message>
    <message>
        <source>Peso normalizado: %1</source>
        <translation>Peso normalizado: %1</translation>
    </message>
    <message>
        <source>Contribuição: %1</source>
        <translation>Contribución: %1</translation>
    </message>
    <message>
        <source>custo</source>
        <translation>costo</translation>
    </message>
    <message>
        <source>benefício</source>
        <translation>beneficio</translation>
    </message>
    <message>
        <source>Critério %1</source>
        <translation>Criterio %1</translation>
    </message>
    <message>
        <source>Alternativa %1</source>
        <translation>Alternativa %1</translation>
    </message>
</context>
<context>
    <name>kivo::relatorio</name>
    <message>
        <source>Impressora indisponível!</source>
        <translation>¡Impresora no disponible!</translation>
    </message>
    <message>
        <source>Não foi possível imprimir o relatório na impressora &quot;%1&quot;.<byte value="xd"/>
Verifique se ela está ligada e instalada, ou escolha outra impressora na lista.</source>
        <translation>No se pudo imprimir el informe en la impresora &quot;%1&quot;.<byte value="xd"/>
Verifique que esté encendida e instalada, o elija otra impresora de la lista.</translation>
    </message>
    <message>
        <source>Gravar o relatório em PDF</source>
        <translation>Grabar el informe en PDF</translation>
    </message>
    <message>
        <source>Arquivos PDF (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Arquivo não gravado!</source>
        <translation>¡Archivo no grabado!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o relatório no arquivo &quot;%1&quot;.<byte value="xd"/>
Escolha outra pasta ou outro nome e tente de novo.</source>
        <translation>No se pudo grabar el informe en el archivo &quot;%1&quot;.<byte value="xd"/>
Elija otra carpeta u otro nombre e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Relatório gravado</source>
        <translation>Informe grabado</translation>
    </message>
    <message>
        <source>O relatório foi gravado no arquivo:<byte value="xd"/>
%1</source>
        <translation>El informe se grabó en el archivo:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Apoio à decisão multicritério</source>
        <translation>Apoio à decisão multicritério</translation>
    </message>
    <message>
        <source>Resultado *</source>
        <translation>Resultado *</translation>
    </message>
    <message>
        <source>Case:  %1</source>
        <translation>Case:  %1</translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Objetivo a alcançar ou Sintoma indesejado: </translation>
    </message>
    <message>
        <source>Fatores</source>
        <translation>Fatores</translation>
    </message>
    <message>
        <source>Observação</source>
        <translation>Observação</translation>
    </message>
    <message>
        <source>Causa Raíz ou principal FCS</source>
        <translation>Causa Raíz ou principal FCS</translation>
    </message>
    <message>
        <source>KIVO - sessão iniciada em %1</source>
        <translation>KIVO - sessão iniciada em %1</translation>
    </message>
    <message>
        <source>Arquivo PDF…</source>
        <translation>Arquivo PDF…</translation>
    </message>
    <message>
        <source>KIVO - Resultado</source>
        <translation>KIVO - Resultado</translation>
    </message>
</context>
<context>
    <name>kivo::relatoriocompleto</name>
    <message>
        <source>Relatório completo</source>
        <translation>Informe completo</translation>
    </message>
    <message>
        <source>Relatório completo kivo</source>
        <translation>Informe completo kivo</translation>
    </message>
    <message>
        <source>Case:  </source>
        <translation>Caso:  </translation>
    </message>
    <message>
        <source>Objetivo a alcançar ou Sintoma indesejado: </source>
        <translation>Objetivo a alcanzar o síntoma no deseado: </translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Melhor opção: %1</source>
        <translation>Mejor opción: %1</translation>
    </message>
    <message>
        <source>(nenhuma)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 (continuação)</source>
        <translation>%1 (continuación)</translation>
    </message>
    <message>
        <source>KIVO - Relatório completo</source>
        <translation>KIVO - Informe completo</translation>
    </message>
    <message>
        <source>Critérios</source>
        <translation>Criterios</translation>
    </message>
    <message>
        <source>Nº</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Critério</source>
        <translation>Criterio</translation>
    </message>
    <message>
        <source>Sinal</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Peso normalizado</source>
        <translation>Peso normalizado</translation>
    </message>
    <message>
        <source>+ benefício</source>
        <translation>+ beneficio</translation>
    </message>
    <message>
        <source>- custo</source>
        <translation>- costo</translation>
    </message>
    <message>
        <source>Matriz de comparação</source>
        <translation>Matriz de comparación</translation>
    </message>
    <message>
        <source>Cada célula: quantas vezes o critério da linha é tão importante quanto o da coluna (colunas pelo número do critério).</source>
        <translation>Cada celda: cuántas veces el criterio de la fila es tan importante como el de la columna (columnas por número de criterio).</translation>
    </message>
    <message>
        <source>Matriz de valores</source>
        <translation>Matriz de valores</translation>
    </message>
    <message>
        <source>Valor de cada alternativa sob cada critério (colunas pelo número do critério).</source>
        <translation>Valor de cada alternativa bajo cada criterio (columnas por número de criterio).</translation>
    </message>
    <message>
        <source>Alternativa</source>
        <translation>Alternativa</translation>
    </message>
    <message>
        <source>Classificação</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Posição</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sensibilidade</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Para cada critério, a faixa de peso (de 1 a 10, os outros pesos mantidos) em que %1 continua a melhor opção, e a opção que passa a ser a melhor fora dela.</source>
        <translation>Para cada criterio, el rango de peso (de 1 a 10, los demás pesos mantenidos) en el que %1 sigue siendo la mejor opción, y la opción que pasa a ser la mejor fuera de él.</translation>
    </message>
    <message>
        <source>Nenhuma alternativa tem resultado acima de 0: não há melhor opção a manter.</source>
        <translation>Ninguna alternativa tiene un resultado mayor que 0: no hay mejor opción que mantener.</translation>
    </message>
    <message>
        <source>Peso mínimo</source>
        <translation>Peso mínimo</translation>
    </message>
    <message>
        <source>Peso máximo</source>
        <translation>Peso máximo</translation>
    </message>
    <message>
        <source>Melhor abaixo</source>
        <translation>Mejor abajo</translation>
    </message>
    <message>
        <source>Melhor acima</source>
        <translation>Mejor arriba</translation>
    </message>
    <message>
        <source>Peso Não encontrado!</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>¡Peso no encontrado!</translation>
    </message>
    <message>
        <source>Verifique os pesos dos critérios</source>
        <extracomment>Stays Portuguese in English.</extracomment>
        <translation>Verifique los pesos de los criterios</translation>
    </message>
</context>
<context>
    <name>kivo::textosanalise</name>
    <message>
        <source>Valores incompletos!</source>
        <comment>columns alike</comment>
        <translation>Valores incompla!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>columns alike</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar </translation>
    </message>
    <message>
        <source>Valores incompletos!</source>
        <comment>rows alike</comment>
        <translation>Valores incompleta!</translation>
    </message>
    <message>
        <source>Preencher totalmente a planilha antes de analizar</source>
        <comment>rows alike</comment>
        <translation>Rellenar completamente la hoja de cálculo antes de analizar</translation>
    </message>
    <message>
        <source>Razão de consistência: </source>
        <translation>Razón de consistencia: </translation>
    </message>
    <message>
        <source>falta 1 comparação; a razão precisa de todas.</source>
        <translation>falta 1 comparación; la razón las necesita todas.</translation>
    </message>
    <message>
        <source>faltam %1 comparações; a razão precisa de todas.</source>
        <translation>faltan %1 comparaciones; la razón las necesita todas.</translation>
    </message>
    <message>
        <source> — aceitável</source>
        <translation> — aceptable</translation>
    </message>
    <message>
        <source>critério %1</source>
        <translation>criterio %1</translation>
    </message>
    <message>
        <source> — as respostas formam um ciclo: %1</source>
        <translation> — las respuestas forman un ciclo: %1</translation>
    </message>
    <message>
        <source> — acima de %1</source>
        <translation> — por encima de %1</translation>
    </message>
    <message>
        <source>Muito Mais</source>
        <translation>Mucho más</translation>
    </message>
    <message>
        <source>Mais</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>De forma igual</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Menos</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>Muito menos</source>
        <translation>Mucho menos</translation>
    </message>
    <message>
        <source>. Mudar %1 × %2 de «%3» para «%4» levaria a razão a %5</source>
        <translation>. Cambiar %1 × %2 de «%3» a «%4» llevaría la razón a %5</translation>
    </message>
</context>
</TS>
